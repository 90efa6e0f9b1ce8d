#pragma once
// The sections of a scenario file outside the description, the stations and the ships: which
// ones the editor writes itself, where each ends, and the text around them that a save keeps.
#include "core/scenario/scenario_source.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <vector>

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

// Where the sections of a file end. A section of any word but STATIONS and SHIPS ends at the
// first END_<word> line (letter case ignored) before the next BEGIN_<word> line, whatever
// other markers stand between: the markers inside another program's section are its text. A
// section without such a line ends at its first bare END line, else at its last line with
// anything on it, both before the next BEGIN_ line of any kind. The result is the end of the
// section's last line.
class SectionEnds {
  public:
    // description: the file's description ({-1, -1} when it has none). A section that begins
    // before it ends before it, so that the description is never another section's text, and
    // its END_DESC line ends no other section.
    explicit SectionEnds(QStringView text, TextSpan description = {-1, -1})
        : text_(text), description_(description) {}
    struct Found {
        qsizetype end = 0;
        bool closed = false; // by its own END_<word> line
    };
    Found End(qsizetype lineBegin, QStringView upperWord);
    // The file holds an END_<word> line somewhere.
    bool HasEndLine(QStringView upperWord);

  private:
    // The marker lines of the whole file, gathered only when a section reaches past another
    // BEGIN_ line, which few files have: then every later query is a look-up, so that a file
    // of many unclosed sections is not walked once for each of them.
    struct Markers {
        std::vector<qsizetype> begins; // line starts of the BEGIN_<word> lines
        std::vector<qsizetype> ends;   // line ends of the END_<word> lines
    };
    void IndexMarkers();
    QStringView text_;
    TextSpan description_;
    bool indexed_ = false;
    QHash<QString, Markers> markers_;
};

// The same rule for one section, for a caller that asks once.
qsizetype SectionEnd(QStringView text, qsizetype lineBegin, QStringView upperWord);

// Collects the layout while the reader walks the file outside the stations and the ships.
class LayoutRecorder {
  public:
    // description: where the file's description stands, {-1, -1} when it has none.
    LayoutRecorder(ScenarioSource& source, QStringView text, TextSpan description)
        : source_(source), text_(text), ends_(text, description) {}
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
    Section Begin(qsizetype at, qsizetype lineSize, const BeginMarker& marker);
    // A line outside every section with something on it.
    void Stray(qsizetype at, qsizetype lineSize);
    // A blank or comment-only line outside every section: not kept, and the stray lines
    // around it are kept apart, so that it leaves no blank line inside what is kept.
    void Gap() { joinStray_ = false; }

  private:
    void Known(KeptPlace place, int index = -1);
    ScenarioSource& source_;
    QStringView text_;
    SectionEnds ends_;
    KeptPlace after_ = KeptPlace::Top;
    int index_ = -1;
    bool joinStray_ = false; // the last kept text is stray lines that the next one joins
};
