#pragma once
// The sections of a scenario file outside the description, the stations and the ships: which
// ones the editor writes itself, where each ends, and the text around them that a save keeps.
#include "core/scenario/scenario_source.h"

#include <QStringView>
#include <QVarLengthArray>

// The sections the editor writes: DESC, ENVIRONMENT, FOCUS, CAMERA, HUD, MFD, STATIONS, SHIPS.
enum class SectionWord { Desc, Environment, Focus, Camera, Hud, Mfd, Stations, Ships, Other };

// The word of a "BEGIN_<word> ..." marker (the line trimmed, without its comment), upper-cased,
// and what it names; a line that is no BEGIN_ marker gives an empty word.
struct BeginMarker {
    // Kept in place, without an allocation, while it is short, as the words of the sections
    // are: every marker line of a file comes here.
    QVarLengthArray<QChar, 16> word;
    SectionWord kind = SectionWord::Other;
    bool isBegin = false;
    QStringView Word() const { return QStringView(word.constData(), word.size()); }
};
BeginMarker BeginMarkerOf(QStringView marker);

// Where a section that begins at the line starting at lineBegin ends: at its END_<word> line
// (letter case ignored), else at the first bare END line, else at the last line with
// anything on it before the next BEGIN_ line or the end of the file. No section reaches past
// the beginning of a section the editor writes. The result is the end of the section's last
// line.
qsizetype SectionEnd(QStringView text, qsizetype lineBegin, QStringView upperWord);

// Collects the layout while the reader walks the file outside the stations and the ships.
class LayoutRecorder {
  public:
    explicit LayoutRecorder(ScenarioSource& source) : source_(source) {}
    // A line of the description, the stations or the ships.
    void Description() { Known(KeptPlace::Description); }
    void StationsEnd() { Known(KeptPlace::Stations); }
    void ShipsEnd() { Known(KeptPlace::Ships); }
    // A section of another kind, from its BEGIN_ line; returns where it ends and whether its
    // lines count among the environment keys (the sections the editor writes do).
    struct Section {
        qsizetype end = 0;
        bool known = false;
    };
    Section Begin(QStringView text, qsizetype at, qsizetype lineSize, const BeginMarker& marker);
    // A line outside every section with something on it.
    void Stray(qsizetype at, qsizetype lineSize);
    // A blank or comment-only line outside every section: not kept, and the stray lines
    // around it are kept apart, so that it leaves no blank line inside what is kept.
    void Gap() { joinStray_ = false; }

  private:
    void Known(KeptPlace place, int index = -1);
    ScenarioSource& source_;
    KeptPlace after_ = KeptPlace::Top;
    int index_ = -1;
    bool joinStray_ = false; // the last kept text is stray lines that the next one joins
};
