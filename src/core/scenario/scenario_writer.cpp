#include "core/scenario/scenario_writer.h"

#include "core/scenario/dates.h"
#include "core/scenario/section_writers.h"
#include "core/scenario/written_lines.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <algorithm>

namespace {
// The camera, HUD and MFD sections of a scenario made in the editor; only the camera target
// carries a value and stands apart.
const char* const kCameraRest = "  MODE Extern\r\n"
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
                                "\r\n";

// The description line by line, a final line break standing for a final empty line, so
// that what was read comes back line for line. An empty description is one empty line.
void AddDescription(WrittenLines& out, const QString& description) {
    const QStringView text(description);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.Add(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            start = i + 1;
        }
    }
    out.Add(text.mid(start));
}

void AddStation(WrittenLines& out, const StationRow& row) {
    const auto V = Written;
    out.Add(V(row.Name), ":", WrittenLast(row.ClassName));
    out.Add("  REF ", WrittenLast(row.Ref));
    out.Add("  EL_MJD ",
            MjdText(row.EpochDate, LeadingNumber(row.EpochHour), LeadingNumber(row.EpochMinute)));
    out.Add("  ELEMENTS ", V(row.SemiMajorAxis), " ", V(row.Excentricity), " ", V(row.Inclination), " ",
            V(row.AscendingNodeLongitude), " ", V(row.PeriapsisLongitude), " ",
            WrittenLast(row.MeanLongitude));
    if (row.ClassRotation)
        out.Add("  AROT ", V(row.ArotX), " ", V(row.ArotY), " ", WrittenLast(row.ArotZ));
    else
        out.Add("  ZROT_FREQUENCY ", WrittenLast(row.ZrotFrequency));
    out.Add("END");
}

void AddEditorEnvironment(WrittenLines& out, const ScenarioDocument& document) {
    out.Add("BEGIN_ENVIRONMENT");
    out.Add("  System ", WrittenLast(document.SystemName));
    out.Add("  Date MJD ", MjdText(document.StartDate, document.StartHour, document.StartMinute));
    out.Add("END_ENVIRONMENT");
    out.Add("");
    out.Add("BEGIN_FOCUS");
    out.Add("  Ship ", WrittenLast(document.FocusShip));
    out.Add("END_FOCUS");
    out.Add("");
}
} // namespace

QStringView Written(const QString& value) {
    return TrimView(value);
}

QStringView WrittenLast(const QString& value) {
    QStringView v = TrimView(value);
    while (!v.isEmpty() && v.back().unicode() < 32)
        v = TrimView(v.chopped(1));
    return v;
}

const QString& NumberTexts::operator()(const QString& value) {
    Slot& slot = slots_[qHash(value) & (kSlots - 1)];
    if (!slot.used || slot.value != value) {
        slot.value = value;
        slot.text = NumberText(LeadingNumber(Trim(value)));
        slot.used = true;
    }
    return slot.text;
}

QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount,
                             const ShownShipRow& shown) {
    // Never more rows than the tables hold, whatever the caller counts.
    stationCount = std::clamp(stationCount, 0, static_cast<int>(document.StationTable.size()));
    shipCount = std::clamp(shipCount, 0, static_cast<int>(document.ShipTable.size()));
    const ScenarioSource* source = document.Source.get();
    // A file's own station and ship sections are written even when they hold nothing.
    const bool stationsSection = stationCount > 0 || (source && source->stationsSection);
    const bool shipsSection = shipCount > 0 || (source && source->shipsSection);
    const KeptSlots places(source);

    WrittenLines out(2048 + (source ? source->bytes.size() : 0) + qsizetype(stationCount) * 200 +
                     qsizetype(shipCount) * 200);
    // The description section is the first BEGIN_DESC of a file. Text that stood before the
    // file's own goes before it again; a file without one gets its section first, so that a
    // BEGIN_DESC line among the text kept stays what it was.
    const bool describedFile = source && source->hasDescription;
    if (describedFile) AddKept(out, places, KeptSlots::kTop);
    out.Add("BEGIN_DESC");
    AddDescription(out, document.Description);
    out.Add("END_DESC");
    out.Add("");
    if (!describedFile) AddKept(out, places, KeptSlots::kTop);
    AddKept(out, places, KeptSlots::kDescription);

    if (source) {
        AddEnvironment(out, document, places);
        AddFocus(out, document, places);
    } else {
        AddEditorEnvironment(out, document);
    }

    if (source && !source->views.empty()) {
        for (std::size_t v = 0; v < source->views.size(); ++v) {
            AddView(out, document, *source, source->views[v]);
            AddKept(out, places, places.view(int(v)));
        }
    } else {
        out.Add("BEGIN_CAMERA");
        out.Add("  Target ", WrittenLast(document.FocusShip));
        out.Append(QLatin1StringView(kCameraRest));
        AddKept(out, places, places.view(0));
    }

    if (stationsSection) {
        out.Add("BEGIN_STATIONS");
        for (int r = 0; r < stationCount; ++r)
            AddStation(out, document.StationTable[static_cast<std::size_t>(r)]);
        out.Add("END_STATIONS");
    }
    // The editor's own form has two empty lines before the ships when it has no stations;
    // today's files have one, and keep it so.
    if (stationsSection || !source || !source->shipsSection || source->blankLinesBeforeShips != 1)
        out.Add("");
    AddKept(out, places, places.stations());

    if (shipsSection) {
        out.Add("BEGIN_SHIPS");
        NumberTexts numbers;
        for (int r = 0; r < shipCount; ++r)
            AddShip(out, document.ShipTable[static_cast<std::size_t>(r)], numbers, source, shown);
        out.Add("END_SHIPS");
        if (places.Has(places.ships())) out.Add("");
    }
    AddKept(out, places, places.ships());
    return out.Take();
}
