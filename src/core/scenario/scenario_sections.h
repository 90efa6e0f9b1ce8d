#pragma once
// The two table sections of a scenario file, fed one line at a time by the reader. Lines are
// views into the decoded file, which outlives both readers.
#include "core/scenario/scenario_document.h"
#include "core/text/value_pool.h"

#include <QStringView>
#include <vector>

// BEGIN_STATIONS .. END_STATIONS. A block is read by position: header, REF, EL_MJD,
// ELEMENTS, an optional ZROT_FREQ line, AROT, END.
class StationSectionReader {
  public:
    StationSectionReader(std::vector<StationRow>& rows, ValuePool& pool) : rows_(rows), pool_(pool) {}
    // Starts a section; a second section adds its stations after those already read.
    void Begin() { step_ = Step::Header; }
    // Takes one line of the section; false once the line closes the section.
    bool Line(QStringView line);
    // The epoch MJD texts of the rows read, in row order.
    const std::vector<QStringView>& EpochTexts() const { return epochs_; }

  private:
    enum class Step { Header, Ref, Epoch, Elements, Rotation, ArotOrEnd, End };
    std::vector<StationRow>& rows_;
    ValuePool& pool_;
    std::vector<QStringView> epochs_;
    Step step_ = Step::Header;
};

// BEGIN_SHIPS .. END_SHIPS. A block starts at its header and ends at END; the other lines
// are recognised by keyword, and the unknown ones kept for writing back.
class ShipSectionReader {
  public:
    ShipSectionReader(ScenarioDocument& document, ValuePool& pool) : document_(document), pool_(pool) {}
    void Begin() { inBlock_ = false; }
    bool Line(QStringView line);
    // The row lines go to now: past the last ship once its block is closed by END.
    int CurrentRow() const { return currentRow_; }

  private:
    void Header(QStringView header);
    void BlockLine(QStringView line, QStringView trimmed);
    ScenarioDocument& document_;
    ValuePool& pool_;
    QString upperName_;
    int currentRow_ = 0;
    bool inBlock_ = false;
};
