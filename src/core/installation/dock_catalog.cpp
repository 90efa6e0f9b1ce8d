#include "core/installation/dock_catalog.h"

#include "core/text/codepage.h"
#include "core/text/text_rules.h"

int DockListCount(const QByteArray& classFile) {
    // The line is counted before the markers are looked at, so the closing marker is counted
    // and taken off again at the end.
    int lines = 0;
    int inside = 0;
    for (const QString& raw : SplitLines(DecodeText(classFile))) {
        const QString line = UCase(Trim(ClearComments(raw)));
        lines += inside;
        if (line == u"BEGIN_DOCKLIST") inside = 1;
        if (line == u"END_DOCKLIST") inside = 0;
    }
    return lines - 1;
}
