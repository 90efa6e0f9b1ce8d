#include "widgets/dialogs/scenario_preview.h"

#include "core/io/file_access.h"
#include "core/scenario/description_text.h"
#include "core/scenario/scenario_reader.h"

#include <QFont>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QVariant>

namespace {
// A document that loads nothing: an image or a style sheet named by a scenario's HTML stays
// where it is.
class NoResources : public QTextDocument {
  protected:
    QVariant loadResource(int, const QUrl&) override { return QVariant(); }
};
} // namespace

QString ScenarioFileDescription(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? ScenarioDescription(*bytes) : QString();
}

QString SafePreviewHtml(const QString& html) {
    NoResources document;
    document.setHtml(html);
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString inner;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter); // an image
            if (text.isEmpty()) continue;
            text = text.toHtmlEscaped();
            text.replace(QChar::LineSeparator, QStringLiteral("<br>"));
            const QTextCharFormat format = fragment.charFormat();
            if (format.fontUnderline() && !format.isAnchor()) text = "<u>" + text + "</u>";
            if (format.fontItalic()) text = "<i>" + text + "</i>";
            if (format.fontWeight() >= QFont::Bold) text = "<b>" + text + "</b>";
            inner += text;
        }
        const int level = block.blockFormat().headingLevel();
        out += level > 0 ? QStringLiteral("<h%1>%2</h%1>").arg(level).arg(inner) : "<p>" + inner + "</p>";
    }
    return out;
}

void ShowScenarioPreview(QLabel* label, const QString& path, const QString& description) {
    QString html;
    if (description.isEmpty() && !path.isEmpty()) {
        const auto bytes = ReadWholeFile(path);
        if (bytes) html = ScenarioHyperDescription(*bytes);
    }
    if (html.isEmpty()) {
        // The plain description is the user's text: shown as it is, never read as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(DescriptionForDisplay(description));
    } else {
        label->setTextFormat(Qt::RichText);
        label->setText(SafePreviewHtml(html));
    }
}
