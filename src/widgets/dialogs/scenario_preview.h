#pragma once
// The description of a scenario file as the file dialogs preview it.
#include <QString>

class QLabel;

// The whole description of the file (lines joined by CR LF); empty when the file has none
// or cannot be read.
QString ScenarioFileDescription(const QString& path);

// Shows a file's description in a preview label: its plain description as text, or, for a
// file without one, its BEGIN_HYPERDESC section as formatted text. The preview never loads an
// image, a style sheet or anything else the HTML points at.
void ShowScenarioPreview(QLabel* label, const QString& path, const QString& description);

// The HTML of a description reduced to what the preview shows: paragraphs and headings, bold,
// italic and underlined text; images, links and every outside resource left out.
QString SafePreviewHtml(const QString& html);
