// The orbiting frame's placement of the ship beside another ship or station.
#include "core/editing/beside_choice.h"
#include "core/editing/editor_session.h"
#include "core/editing/ship_orbit_forms.h"
#include "core/text/text_rules.h"
#include "widgets/common/message_box.h"
#include "widgets/dialogs/place_beside_dialog.h"
#include "widgets/tabs/orbiting_frame.h"

#include <QLabel>

void OrbitingFrame::placeBeside() {
    const QString config = session_.folders().config;
    const double start = StartMjdOf(session_.document());
    const auto planetOf = [&config](const QString& body) { return PlanetDataOfBody(config, body); };
    const std::vector<OrbiterAtStart> choices = BesideChoices(
        OrbitersAtStart(session_.document(), session_.stationCount(), session_.shipCount(), planetOf, start),
        session_.currentShip());
    const QString title = QStringLiteral("Place beside");
    if (choices.empty()) {
        ShowMessage(this,
                    QStringLiteral("There is no other ship or station in orbit to place this ship beside."),
                    title, MsgButtons::Ok, MsgIcon::Information);
        return;
    }
    QStringList entries;
    for (const OrbiterAtStart& choice : choices)
        entries.append(BesideEntryText(choice));
    const int row = session_.currentShip();
    const auto& ships = session_.document().ShipTable;
    const QString name = row >= 0 && row < int(ships.size()) ? Trim(ships[std::size_t(row)].Name) : QString();
    const std::optional<BesideRequest> asked = PlaceBesideDialog::Ask(entries, name, this);
    if (!asked) return;
    const OrbiterAtStart& other = choices[std::size_t(asked->entry)];
    ShipEditorTexts texts;
    readTexts(texts);
    const BesidePlacement placed =
        TextsPlacedBeside(texts, other, planetOf(other.Body), asked->kilometres, start, inEquator_);
    if (!placed.Done()) {
        ShowMessage(this, placed.problems.join(u'\r'), title, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    lastSwitch_.reset();
    setPlanet(other.Body);
    showFrameTitle();
    setOrbitTexts(OrbitBoxTexts(placed.shown));
    // Shown in the equator frame, the boxes read back as the ecliptic texts until the user
    // types: the file gets the placement's own digits, not a turn there and back.
    frameSwitch_.reset();
    if (inEquator_) frameSwitch_ = FormSwitch{OrbitBoxTexts(placed.ecliptic), orbitTexts()};
    showForm(placed.shown.orbitByElements);
}
