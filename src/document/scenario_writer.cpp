#include "document/scenario_writer.h"

#include "document/codepage.h"
#include "document/dates.h"
#include "document/line_views.h"
#include "document/text_rules.h"
#include "simulator/file_access.h"

#include <QStringBuilder>
#include <algorithm>

namespace {
// The camera, HUD and MFD sections are always written the same way; only the camera target
// carries a value and stands apart.
const QString kCameraRest = QStringLiteral("  MODE Extern\r\n"
                                           "  POS 40 -115.88 -24.15\r\n"
                                           "  TRACKMODE TargetRelative\r\n"
                                           "  FOV 20#\r\n"
                                           "END_CAMERA\r\n"
                                           "\r\n"
                                           "BEGIN_HUD\r\n"
                                           "  Type Surface\r\n"
                                           "END_HUD\r\n"
                                           "\r\n"
                                           "BEGIN_MFD Left\r\n"
                                           "  Type Surface\r\n"
                                           "END_MFD\r\n"
                                           "\r\n"
                                           "BEGIN_MFD Right\r\n"
                                           "  Type Launch\r\n"
                                           "END_MFD\r\n"
                                           "\r\n");

class Lines {
public:
    QString text;
    void Add(QStringView line) {
        text += line;
        text += u"\r\n";
    }
    template <class... Parts> void Add(const Parts&... parts) {
        (Append(parts), ...);
        text += u"\r\n";
    }

private:
    void Append(QStringView part) { text += part; }
    void Append(const char16_t* part) { text += QStringView(part); }
};

QStringView V(const QString& value) { return TrimView(value); }

// The value that ends a line, also without the control characters at its end: the reader
// drops those from every line it reads, so a line that ended in them would come back
// shorter. Inside a line they are kept, since a value that became empty there would shift
// the values after it.
QStringView Last(const QString& value) {
    QStringView v = TrimView(value);
    while (!v.isEmpty() && v.back().unicode() < 32)
        v = TrimView(v.chopped(1));
    return v;
}

// A number column written through NumberText, its leading blank kept.
QString Number(const QString& value) { return NumberText(LeadingNumber(Trim(value))); }

// The description line by line, a final line break standing for a final empty line, so
// that what was read comes back line for line. An empty description is one empty line.
void AddDescription(Lines& out, const QString& description) {
    const QStringView text(description);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.Add(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    out.Add(text.mid(start));
}

void AddStation(Lines& out, const StationRow& row) {
    out.Add(V(row.Name), u":", Last(row.ClassName));
    out.Add(u"  REF ", Last(row.Ref));
    out.Add(u"  EL_MJD ", QStringView(MjdText(row.EpochDate, LeadingNumber(row.EpochHour), LeadingNumber(row.EpochMinute))));
    out.Add(u"  ELEMENTS ", V(row.SemiMajorAxis), u" ", V(row.Excentricity), u" ", V(row.Inclination), u" ",
            V(row.AscendingNodeLongitude), u" ", V(row.PeriapsisLongitude), u" ", Last(row.MeanLongitude));
    if (row.ClassRotation)
        out.Add(u"  AROT ", V(row.ArotX), u" ", V(row.ArotY), u" ", Last(row.ArotZ));
    else
        out.Add(u"  ZROT_FREQUENCY ", Last(row.ZrotFrequency));
    out.Add(u"END");
}

void AddShip(Lines& out, const ShipRow& row) {
    out.Add(V(row.Name), u":", Last(row.ClassName));
    const QStringView status = V(row.Status);
    if (UpperEquals(status, QLatin1StringView("LANDED"))) {
        out.Add(u"  STATUS ", status, u" ", Last(row.StatusRef));
        out.Add(u"  BASE ", V(row.Base), u":", Last(row.Pad));
        out.Add(u"  HEADING ", Last(row.Heading));
        out.Add(u"  FUEL ", Last(row.Fuel));
    } else if (UpperEquals(status, QLatin1StringView("ORBITING"))) {
        out.Add(u"  STATUS ", status, u" ", Last(row.StatusRef));
        out.Add(u"  FUEL ", Last(row.Fuel));
        out.Add(u"  RPOS ", V(row.RposX), u" ", V(row.RposY), u" ", Last(row.RposZ));
        out.Add(u"  RVEL ", V(row.RvelX), u" ", V(row.RvelY), u" ", Last(row.RvelZ));
        out.Add(u"  AROT ", V(row.ArotX), u" ", V(row.ArotY), u" ", Last(row.ArotZ));
        out.Add(u"  VROT ", QStringView(Number(row.Vrot)));
        out.Add(u"  ENGINE_MAIN ", QStringView(Number(row.MainEngine)));
        out.Add(u"  HOVER_MAIN ", QStringView(Number(row.HoverEngine)));
    } else if (UpperEquals(status, QLatin1StringView("DOCKED"))) {
        out.Add(u"  STATUS ", status, u" ", V(row.StatusRef), u":", V(row.DockedStation), u":", Last(row.DockedPort));
        out.Add(u"  FUEL ", Last(row.Fuel));
    }
    if (!row.OtherLines.isEmpty())
        out.Add(QStringView(row.OtherLines));
    out.Add(u"END");
}
} // namespace

QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount) {
    // Never more rows than the tables hold, whatever the caller counts.
    stationCount = std::clamp(stationCount, 0, static_cast<int>(document.StationTable.size()));
    shipCount = std::clamp(shipCount, 0, static_cast<int>(document.ShipTable.size()));

    Lines out;
    out.text.reserve(1024 + stationCount * 200 + shipCount * 320);
    out.Add(u"BEGIN_DESC");
    AddDescription(out, document.Description);
    out.Add(u"END_DESC");
    out.Add(u"");

    out.Add(u"BEGIN_ENVIRONMENT");
    out.Add(u"  System ", Last(document.SystemName));
    out.Add(u"  Date MJD ", QStringView(MjdText(document.StartDate, document.StartHour, document.StartMinute)));
    out.Add(u"END_ENVIRONMENT");
    out.Add(u"");

    const QStringView focus = Last(document.FocusShip);
    out.Add(u"BEGIN_FOCUS");
    out.Add(u"  Ship ", focus);
    out.Add(u"END_FOCUS");
    out.Add(u"");

    out.Add(u"BEGIN_CAMERA");
    out.Add(u"  Target ", focus);
    out.text += kCameraRest;

    if (stationCount > 0) {
        out.Add(u"BEGIN_STATIONS");
        for (int r = 0; r < stationCount; ++r)
            AddStation(out, document.StationTable[static_cast<std::size_t>(r)]);
        out.Add(u"END_STATIONS");
    }
    out.Add(u"");

    if (shipCount > 0) {
        out.Add(u"BEGIN_SHIPS");
        for (int r = 0; r < shipCount; ++r)
            AddShip(out, document.ShipTable[static_cast<std::size_t>(r)]);
        out.Add(u"END_SHIPS");
    }
    return EncodeText(out.text);
}

bool WriteScenarioFile(const QString& path, const ScenarioDocument& document, int stationCount, int shipCount,
                       QString* error) {
    QString reason;
    if (WriteWholeFile(path, ScenarioFileBytes(document, stationCount, shipCount), &reason))
        return true;
    if (error)
        *error = QStringLiteral("The scenario could not be saved to \"%1\": %2").arg(path, reason);
    return false;
}
