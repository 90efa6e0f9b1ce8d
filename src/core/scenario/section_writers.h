#pragma once
// The parts of the writer that put back what a file held: the text kept outside the sections
// the editor writes, the environment, focus, camera, HUD and MFD sections as read, and the
// ship blocks line by line. Used by the scenario writer only.
#include "core/scenario/scenario_writer.h"
#include "core/scenario/written_lines.h"

#include <vector>

// Where each kept text goes, as a slot in the writer's order of sections: the top of the
// file, after the description, environment and focus, after each camera, HUD or MFD section
// (or after the fixed ones), after the stations and after the ships. The sections a file
// had are all written again, so every text has the place it had.
class KeptSlots {
  public:
    static constexpr int kTop = 0;
    static constexpr int kDescription = 1;
    explicit KeptSlots(const ScenarioSource* source);
    // After environment section i, focus section i, camera/HUD/MFD section i (or the fixed
    // ones for i = 0).
    int environment(int i) const { return kDescription + 1 + i; }
    int focus(int i) const { return environment(environments_) + i; }
    int view(int i) const { return focus(focuses_) + i; }
    int stations() const { return view(views_); }
    int ships() const { return stations() + 1; }
    bool Has(int slot) const;
    const ScenarioSource* source() const { return source_; }
    int SlotOf(std::size_t kept) const { return slots_[kept]; }

  private:
    const ScenarioSource* source_;
    int environments_ = 1;
    int focuses_ = 1;
    int views_ = 1;
    std::vector<int> slots_; // one per kept text
};

// The END_ line the save adds after a section the file did not close, if it needs one.
void AddClosing(WrittenLines& out, const ScenarioSource& source, TextSpan span);
// The kept texts of a slot, in file order, then an empty line; nothing when it has none.
void AddKept(WrittenLines& out, const KeptSlots& places, int slot);
// The environment and focus sections, each followed by the text kept after it.
void AddEnvironment(WrittenLines& out, const ScenarioDocument& document, const KeptSlots& places);
void AddFocus(WrittenLines& out, const ScenarioDocument& document, const KeptSlots& places);
// A camera, HUD or MFD section as read, then an empty line.
void AddView(WrittenLines& out, const ScenarioDocument& document, const ScenarioSource& source,
             TextSpan view);
// A ship block: as read while its row holds what was read, line by line by value once it
// does not, and in the editor's own form for a ship the user added.
void AddShip(WrittenLines& out, const ShipRow& row, NumberTexts& numbers, const ScenarioSource* source,
             const ShownShipRow& shown);
