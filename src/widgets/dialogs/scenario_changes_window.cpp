#include "widgets/dialogs/scenario_changes_window.h"

#include "core/text/codepage.h"
#include "core/text/line_diff.h"
#include "widgets/common/object_names.h"

#include <QColor>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Light backgrounds under the default dark text: readable in colour and in grey alike.
const QColor kRemovedBackground(0xff, 0xe0, 0xe0);
const QColor kAddedBackground(0xdc, 0xf5, 0xdc);
const QColor kHeaderBackground(0xe6, 0xec, 0xf5);
const QColor kQuietText(0x70, 0x70, 0x70);

// Only an ending other than the CR LF a save writes is worth a mark: without it, a line whose
// only change is its ending would show twice with the same text.
QString EndingMark(LineEnding ending) {
    switch (ending) {
    case LineEnding::Lf:
        return QStringLiteral("  [LF]");
    case LineEnding::Cr:
        return QStringLiteral("  [CR]");
    case LineEnding::None:
        return QStringLiteral("  [no line end]");
    case LineEnding::CrLf:
        break;
    }
    return QString();
}

QString Plural(int count, const char* one, const char* many) {
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

// Where a hunk is in one of the files, for its header.
QString LineRange(int start, int count) {
    if (count == 0) return QStringLiteral("none");
    if (count == 1) return "line " + QString::number(start);
    return QStringLiteral("lines %1 to %2").arg(start).arg(start + count - 1);
}

// Writes the view's lines one block each; the block's background spans the whole width.
class ViewWriter {
  public:
    explicit ViewWriter(QTextDocument* document) : cursor_(document) {}

    void startLine(const QColor& background = QColor()) {
        QTextBlockFormat block;
        if (background.isValid()) block.setBackground(background);
        if (first_)
            cursor_.setBlockFormat(block);
        else
            cursor_.insertBlock(block, QTextCharFormat());
        first_ = false;
    }
    void write(const QString& text, const QColor& colour = QColor(), bool bold = false) {
        QTextCharFormat format;
        if (colour.isValid()) format.setForeground(colour);
        if (bold) format.setFontWeight(QFont::Bold);
        cursor_.insertText(text, format);
    }
    QTextCursor& cursor() { return cursor_; }

  private:
    QTextCursor cursor_;
    bool first_ = true;
};
} // namespace

ScenarioChangesWindow::ScenarioChangesWindow(const QString& fileName, const FileOnDisk& onDisk,
                                             const QByteArray& toSave, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ObjectNames::ScenarioChanges);
    setWindowTitle("Changes of " + fileName);

    summary_ = new QLabel(this);
    summary_->setObjectName(ObjectNames::ScenarioChangesSummary);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    view_ = new QPlainTextEdit(this);
    view_->setObjectName(ObjectNames::ScenarioChangesView);
    view_->setReadOnly(true);
    view_->setUndoRedoEnabled(false);
    view_->setLineWrapMode(QPlainTextEdit::NoWrap);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    closeButton_ = new QPushButton("&Close", this);
    closeButton_->setObjectName(ObjectNames::ScenarioChangesClose);
    closeButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    showChanges(onDisk, toSave);

    // Wide enough for a scenario line and its two line numbers, within a small screen.
    QSize size(900, 620);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.92);
    resize(size);
}

void ScenarioChangesWindow::showChanges(const FileOnDisk& onDisk, const QByteArray& toSave) {
    const bool read = onDisk.state == FileOnDisk::State::Read;
    // Without a file to compare with, every line a save writes is new.
    const std::vector<DiffHunk> hunks = DiffLines(read ? onDisk.bytes : QByteArray(), toSave);

    int removed = 0;
    int added = 0;
    int widest = 0;
    for (const DiffHunk& hunk : hunks) {
        for (const DiffLine& line : hunk.lines) {
            if (line.kind == DiffLine::Kind::Removed) ++removed;
            if (line.kind == DiffLine::Kind::Added) ++added;
            widest = std::max({widest, line.oldNumber, line.newNumber});
        }
    }

    QString summary;
    if (onDisk.state == FileOnDisk::State::Missing)
        summary = "The file is not on disk: a save would write every line shown, all of them added.";
    else if (onDisk.state == FileOnDisk::State::Unreadable)
        summary = "The file on disk could not be read: every line a save would write is shown as added.";
    else if (hunks.empty())
        summary = "No changes: a save would write the file exactly as it is on disk.";
    else
        summary = "A save would remove " + Plural(removed, "line", "lines") +
                  " of the file on disk and add " + Plural(added, "line", "lines") + ", in " +
                  Plural(int(hunks.size()), "place", "places") +
                  ".\nRed: the lines on disk; green: the lines a save writes in their place. Numbers: the "
                  "line in the file on disk, then in the saved file.";
    summary_->setText(summary);
    view_->setPlaceholderText(hunks.empty() ? QStringLiteral("No changes") : QString());

    const int digits = std::max(3, int(QString::number(widest).size()));
    auto number = [digits](int n) { return (n > 0 ? QString::number(n) : QString()).rightJustified(digits); };
    QTextDocument* document = view_->document();
    document->clear();
    ViewWriter writer(document);
    writer.cursor().beginEditBlock();
    for (const DiffHunk& hunk : hunks) {
        // An empty line sets each place apart from the lines of the one before.
        if (&hunk != &hunks.front()) writer.startLine();
        writer.startLine(kHeaderBackground);
        writer.write("On disk: " + LineRange(hunk.oldStart, hunk.oldCount) +
                         ";  saved: " + LineRange(hunk.newStart, hunk.newCount),
                     kQuietText, true);
        for (const DiffLine& line : hunk.lines) {
            const bool same = line.kind == DiffLine::Kind::Same;
            const bool gone = line.kind == DiffLine::Kind::Removed;
            writer.startLine(same ? QColor() : gone ? kRemovedBackground : kAddedBackground);
            writer.write(number(line.oldNumber) + u' ' + number(line.newNumber) + u' ', kQuietText);
            writer.write(same   ? QStringLiteral("  ")
                         : gone ? QStringLiteral("- ")
                                : QStringLiteral("+ "),
                         QColor(), !same);
            writer.write(DecodeText(line.text));
            if (!same) writer.write(EndingMark(line.ending), kQuietText);
        }
    }
    writer.cursor().endEditBlock();
    view_->moveCursor(QTextCursor::Start);
}
