#pragma once
// The scenario description is held with CR LF between its lines, as the file has it; the
// text widgets work with their own line breaks.
#include <QString>

// CR LF between lines becomes the widgets' line feed.
QString DescriptionForDisplay(const QString& description);
// The raw text of a text document (paragraph and line separators, line feeds) with CR LF
// between lines. Every other character, non-breaking spaces included, stays as typed.
QString DescriptionFromEditor(const QString& rawText);
