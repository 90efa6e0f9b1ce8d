#include "core/scenario/scenario_writer.h"

#include "core/scenario/dates.h"
#include "core/text/codepage.h"
#include "core/text/line_views.h"
#include "core/text/text_rules.h"

#include <QHashFunctions>
#include <algorithm>
#include <array>
#include <cstring>

namespace {
// The camera, HUD and MFD sections are always written the same way; only the camera target
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

// The file is built as bytes at once, into a buffer that grows by doubling: literal parts
// are ASCII, values are encoded as they are appended.
class Lines {
  public:
    explicit Lines(qsizetype expected) { bytes_.resize(std::max<qsizetype>(expected, 256)); }

    template <class... Parts> void Add(const Parts&... parts) {
        (Append(parts), ...);
        Append(QLatin1StringView("\r\n"));
    }
    void Append(QLatin1StringView ascii) {
        std::memcpy(Room(ascii.size()), ascii.data(), std::size_t(ascii.size()));
    }
    QByteArray Take() {
        bytes_.truncate(used_);
        return std::move(bytes_);
    }

  private:
    void Append(const char* ascii) { Append(QLatin1StringView(ascii)); }
    void Append(const QString& text) { Append(QStringView(text)); }
    void Append(QStringView text) {
        char* out = Room(text.size());
        const QChar* in = text.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = in[i].unicode();
            out[i] = c < 0x80 ? char(c) : EncodeText(QString(in[i])).at(0);
        }
    }
    // Space for count more bytes; the returned pointer stays valid until the next call.
    char* Room(qsizetype count) {
        if (used_ + count > bytes_.size()) bytes_.resize(std::max(bytes_.size() * 2, used_ + count));
        char* at = bytes_.data() + used_;
        used_ += count;
        return at;
    }
    QByteArray bytes_;
    qsizetype used_ = 0;
};

QStringView V(const QString& value) {
    return TrimView(value);
}

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

// The number columns written through NumberText, leading blank kept. Ships share a handful
// of such values ("0" above all), so recent conversions are kept instead of redone.
class NumberTexts {
  public:
    const QString& operator()(const QString& value) {
        Slot& slot = slots_[qHash(value) & (kSlots - 1)];
        if (!slot.used || slot.value != value) {
            slot.value = value;
            slot.text = NumberText(LeadingNumber(Trim(value)));
            slot.used = true;
        }
        return slot.text;
    }

  private:
    struct Slot {
        QString value;
        QString text;
        bool used = false;
    };
    static constexpr std::size_t kSlots = 64;
    std::array<Slot, kSlots> slots_;
};

// The description line by line, a final line break standing for a final empty line, so
// that what was read comes back line for line. An empty description is one empty line.
void AddDescription(Lines& out, const QString& description) {
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

void AddStation(Lines& out, const StationRow& row) {
    out.Add(V(row.Name), ":", Last(row.ClassName));
    out.Add("  REF ", Last(row.Ref));
    out.Add("  EL_MJD ",
            MjdText(row.EpochDate, LeadingNumber(row.EpochHour), LeadingNumber(row.EpochMinute)));
    out.Add("  ELEMENTS ", V(row.SemiMajorAxis), " ", V(row.Excentricity), " ", V(row.Inclination), " ",
            V(row.AscendingNodeLongitude), " ", V(row.PeriapsisLongitude), " ", Last(row.MeanLongitude));
    if (row.ClassRotation)
        out.Add("  AROT ", V(row.ArotX), " ", V(row.ArotY), " ", Last(row.ArotZ));
    else
        out.Add("  ZROT_FREQUENCY ", Last(row.ZrotFrequency));
    out.Add("END");
}

void AddShip(Lines& out, const ShipRow& row, NumberTexts& numbers) {
    out.Add(V(row.Name), ":", Last(row.ClassName));
    const QStringView status = V(row.Status);
    if (UpperEquals(status, QLatin1StringView("LANDED"))) {
        out.Add("  STATUS ", status, " ", Last(row.StatusRef));
        out.Add("  BASE ", V(row.Base), ":", Last(row.Pad));
        out.Add("  HEADING ", Last(row.Heading));
        out.Add("  FUEL ", Last(row.Fuel));
    } else if (UpperEquals(status, QLatin1StringView("ORBITING"))) {
        out.Add("  STATUS ", status, " ", Last(row.StatusRef));
        out.Add("  FUEL ", Last(row.Fuel));
        out.Add("  RPOS ", V(row.RposX), " ", V(row.RposY), " ", Last(row.RposZ));
        out.Add("  RVEL ", V(row.RvelX), " ", V(row.RvelY), " ", Last(row.RvelZ));
        out.Add("  AROT ", V(row.ArotX), " ", V(row.ArotY), " ", Last(row.ArotZ));
        out.Add("  VROT ", numbers(row.Vrot));
        out.Add("  ENGINE_MAIN ", numbers(row.MainEngine));
        out.Add("  HOVER_MAIN ", numbers(row.HoverEngine));
    } else if (UpperEquals(status, QLatin1StringView("DOCKED"))) {
        out.Add("  STATUS ", status, " ", V(row.StatusRef), ":", V(row.DockedStation), ":",
                Last(row.DockedPort));
        out.Add("  FUEL ", Last(row.Fuel));
    }
    if (!row.OtherLines.isEmpty()) out.Add(row.OtherLines);
    out.Add("END");
}
} // namespace

QByteArray ScenarioFileBytes(const ScenarioDocument& document, int stationCount, int shipCount) {
    // Never more rows than the tables hold, whatever the caller counts.
    stationCount = std::clamp(stationCount, 0, static_cast<int>(document.StationTable.size()));
    shipCount = std::clamp(shipCount, 0, static_cast<int>(document.ShipTable.size()));

    Lines out(2048 + qsizetype(stationCount) * 200 + qsizetype(shipCount) * 200);
    out.Add("BEGIN_DESC");
    AddDescription(out, document.Description);
    out.Add("END_DESC");
    out.Add("");

    out.Add("BEGIN_ENVIRONMENT");
    out.Add("  System ", Last(document.SystemName));
    out.Add("  Date MJD ", MjdText(document.StartDate, document.StartHour, document.StartMinute));
    out.Add("END_ENVIRONMENT");
    out.Add("");

    const QStringView focus = Last(document.FocusShip);
    out.Add("BEGIN_FOCUS");
    out.Add("  Ship ", focus);
    out.Add("END_FOCUS");
    out.Add("");

    out.Add("BEGIN_CAMERA");
    out.Add("  Target ", focus);
    out.Append(QLatin1StringView(kCameraRest));

    if (stationCount > 0) {
        out.Add("BEGIN_STATIONS");
        for (int r = 0; r < stationCount; ++r)
            AddStation(out, document.StationTable[static_cast<std::size_t>(r)]);
        out.Add("END_STATIONS");
    }
    out.Add("");

    if (shipCount > 0) {
        out.Add("BEGIN_SHIPS");
        NumberTexts numbers;
        for (int r = 0; r < shipCount; ++r)
            AddShip(out, document.ShipTable[static_cast<std::size_t>(r)], numbers);
        out.Add("END_SHIPS");
    }
    return out.Take();
}
