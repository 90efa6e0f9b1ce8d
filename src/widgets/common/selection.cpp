#include "widgets/common/selection.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>

void SetIndexQuietly(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index);
}

void FillQuietly(QComboBox* box, const QStringList& entries, int current) {
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(current);
}

void SetCheckedQuietly(QAbstractButton* button, bool checked) {
    const QSignalBlocker block(button);
    if (checked || !button->autoExclusive()) {
        button->setChecked(checked);
        return;
    }
    // An exclusive option cannot be cleared while it is exclusive.
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    entries.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

QStringList NumberEntries(int count) {
    QStringList numbers;
    for (int i = 0; i < count; ++i)
        numbers.append(QString::number(i));
    return numbers;
}
