#pragma once
// The two table sections of a scenario file, fed one line at a time by the reader. Lines are
// views into the decoded file, which outlives both readers.
#include "core/scenario/scenario_document.h"
#include "core/scenario/scenario_source.h"
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
    // Makes room for this many rows, the spare row after them included.
    void Reserve(std::size_t rows) {
        rows_.reserve(rows);
        epochs_.reserve(rows);
    }
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
// are recognised by keyword, and the unknown ones kept for writing back. Each block is also
// kept as read: where its lines are in the file, what they held, and the row they gave.
class ShipSectionReader {
  public:
    // base: the first character of the decoded file the lines are views into.
    ShipSectionReader(ScenarioDocument& document, ValuePool& pool, const QChar* base,
                      std::vector<ShipSource>& blocks)
        : document_(document), pool_(pool), base_(base), blocks_(blocks) {}
    void Begin() { CloseBlock(); }
    bool Line(QStringView line);
    // The end of the file: a block still open is kept as it stands.
    void Finish() { CloseBlock(); }
    // The row lines go to now: past the last ship once its block is closed by END.
    int CurrentRow() const { return currentRow_; }

  private:
    void Header(QStringView line, QStringView header);
    void BlockLine(QStringView line, QStringView cleared, QStringView trimmed);
    void CloseBlock();
    // A column of the row read from the block, its place in the file kept with it.
    void Set(ShipColumn column, QStringView value);
    void SetThree(ShipColumn first, QStringView text);
    qsizetype At(QStringView line) const { return line.data() - base_; }
    ScenarioDocument& document_;
    ValuePool& pool_;
    const QChar* base_;
    std::vector<ShipSource>& blocks_;
    QStringView header_; // the header line without comment and blanks: a line equal to it is no value
    // The unknown lines of the open block, which become its row's OtherLines when it closes.
    std::vector<QStringView> otherLines_;
    int currentRow_ = 0;
    bool inBlock_ = false;
};
