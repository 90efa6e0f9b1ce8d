#include "widgets/dialogs/place_beside_dialog.h"

#include "core/editing/beside_choice.h"
#include "widgets/common/form_controls.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/common/object_names.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PlaceBesideDialog::PlaceBesideDialog(const QStringList& entries, const QString& ship, QWidget* parent)
    : QDialog(parent) {
    setObjectName(ObjectNames::PlaceBeside);
    setWindowTitle(QStringLiteral("Place beside another ship"));
    auto* column = new QVBoxLayout(this);
    auto* intro =
        new QLabel(QStringLiteral("%1 takes the orbit of the ship or station picked here, moved along "
                                  "it by the distance given, at the scenario's start. Nothing is "
                                  "stored before the ship is validated.")
                       .arg(ship.isEmpty() ? QStringLiteral("The ship") : ship),
                   this);
    intro->setWordWrap(true);
    column->addWidget(intro);
    column->addWidget(Caption(QStringLiteral("Place the ship beside"), this));
    list_ = Named(new QListWidget(this), ObjectNames::PlaceBesideShip,
                  "The ships and stations that orbit a body at the scenario's start, with the body");
    list_->addItems(entries);
    if (!entries.isEmpty()) list_->setCurrentRow(0);
    column->addWidget(list_, 1);
    auto* distanceRow = new QGridLayout;
    distance_ = Named(new QLineEdit(QStringLiteral("-2"), this), ObjectNames::PlaceBesideDistance,
                      "Distance along the other's orbit in kilometres: ahead of it, or behind it when "
                      "negative");
    distanceRow->addWidget(Caption(QStringLiteral("Distance along its orbit (km)"), this), 0, 0);
    distanceRow->addWidget(distance_, 0, 1);
    distanceRow->addWidget(Caption(QStringLiteral("negative: behind it"), this), 0, 2);
    distanceRow->setColumnStretch(1, 1);
    column->addLayout(distanceRow);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    Named(ok, ObjectNames::PlaceBesideOK, "Puts the ship there; it is stored when the ship is validated");
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlaceBesideDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // A double click on an entry answers with it, as in the editor's other lists.
    connect(list_, &QListWidget::itemDoubleClicked, this, &PlaceBesideDialog::confirm);
    setMinimumSize(420, 320);
}

void PlaceBesideDialog::confirm() {
    const std::optional<double> kilometres = BesideDistance(distance_->text());
    if (!kilometres) {
        ShowMessage(this, QStringLiteral("The distance is not correct."), QStringLiteral("Place beside"),
                    MsgButtons::Ok, MsgIcon::Exclamation);
        distance_->setFocus();
        distance_->selectAll();
        return;
    }
    if (list_->currentRow() < 0) {
        ShowMessage(this, QStringLiteral("Choose the ship or station to place the ship beside."),
                    QStringLiteral("Place beside"), MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    chosen_ = BesideRequest{list_->currentRow(), *kilometres};
    accept();
}

std::optional<BesideRequest> PlaceBesideDialog::Ask(const QStringList& entries, const QString& ship,
                                                    QWidget* parent) {
    PlaceBesideDialog dialog(entries, ship, parent);
    if (ExecModal(&dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}
