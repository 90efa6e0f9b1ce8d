#include "widgets/dialogs/date_change_dialog.h"

#include "widgets/common/modal.h"
#include "widgets/common/object_names.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
// "3 days and 4 hours later", "25 minutes earlier": the move as the user picked it.
QString MoveText(double days) {
    const long long minutes = std::llround(std::abs(days) * 1440);
    const long long d = minutes / 1440, h = minutes % 1440 / 60, m = minutes % 60;
    QStringList parts;
    if (d) parts << (d == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(d));
    if (h) parts << (h == 1 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(h));
    if (m) parts << (m == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 minutes").arg(m));
    if (parts.isEmpty()) return QStringLiteral("by less than a minute");
    const QString last = parts.takeLast();
    const QString amount = parts.isEmpty() ? last : parts.join(QStringLiteral(", ")) + " and " + last;
    return amount + (days < 0 ? QStringLiteral(" earlier") : QStringLiteral(" later"));
}
} // namespace

DateChangeDialog::DateChangeDialog(double days, int ships, QWidget* parent) : QDialog(parent) {
    setObjectName(ObjectNames::DateChangeShips);
    setWindowTitle(QStringLiteral("Start date changed"));
    auto* column = new QVBoxLayout(this);
    const QString count =
        ships == 1 ? QStringLiteral("One ship orbits") : QStringLiteral("%1 ships orbit").arg(ships);
    auto* question = new QLabel(
        QStringLiteral("The scenario now starts %1.\n%2 by position and velocity. What becomes of "
                       "them?\nShips given by orbital elements, landed and docked ships stay as they are.")
            .arg(MoveText(days), count),
        this);
    question->setWordWrap(true);
    // Wide enough for the question to read in a few lines beside the longest button.
    setMinimumWidth(500);
    column->addWidget(question);
    struct Choice {
        const char* name;
        const char* text;
        const char* tip;
        DateChangeMove move;
    };
    const Choice choices[3] = {
        {ObjectNames::DateChangeKeep, "Keep position and velocity",
         "The numbers stay: the ships are where they were, the planets have moved under them",
         DateChangeMove::Keep},
        {ObjectNames::DateChangeAlongOrbit, "Move along their orbits",
         "Each ship flies its orbit round its planet over the time the start moved",
         DateChangeMove::AlongOrbit},
        {ObjectNames::DateChangeSurface, "Keep them over the same point of the surface",
         "Each ship turns with its planet's rotation, so that it stays over the same place",
         DateChangeMove::WithSurface},
    };
    for (const Choice& choice : choices) {
        auto* button = new QPushButton(QString::fromUtf8(choice.text), this);
        button->setObjectName(choice.name);
        button->setToolTip(QString::fromUtf8(choice.tip));
        button->setAutoDefault(false);
        column->addWidget(button);
        const DateChangeMove move = choice.move;
        connect(button, &QPushButton::clicked, this, [this, move] {
            chosen_ = move;
            accept();
        });
    }
    auto* cancel = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel->button(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Takes the start date back"));
    column->addWidget(cancel);
    connect(cancel, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<DateChangeMove> DateChangeDialog::Ask(double days, int ships, QWidget* parent) {
    DateChangeDialog dialog(days, ships, parent);
    if (ExecModal(&dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.chosen();
}
