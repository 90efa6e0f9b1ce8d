#include "widgets/common/pending_label.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>

PendingLabel::PendingLabel(const char* objectName, QWidget* parent) : QLabel("Not validated", parent) {
    setObjectName(QLatin1String(objectName));
    setToolTip(
        "The values shown differ from those stored: validate them, or they are lost when another entry "
        "is picked.");
    // Red on the usual background reads as a warning in light and dark styles alike.
    setStyleSheet("QLabel { color: #c0392b; font-weight: bold; }");
    hide();
}

void PendingLabel::watch(QWidget* form, FormValues values) {
    values_ = std::move(values);
    // The connections come after the form's own, so a button's or a tree's handler has set its
    // labels when the check runs.
    for (auto* box : form->findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &PendingLabel::check);
    for (auto* list : form->findChildren<QComboBox*>())
        connect(list, &QComboBox::currentTextChanged, this, &PendingLabel::check);
    for (auto* button : form->findChildren<QAbstractButton*>()) {
        connect(button, &QAbstractButton::toggled, this, &PendingLabel::check);
        connect(button, &QAbstractButton::clicked, this, &PendingLabel::check);
    }
    for (auto* slider : form->findChildren<QSlider*>())
        connect(slider, &QSlider::valueChanged, this, &PendingLabel::check);
    for (auto* table : form->findChildren<QTableWidget*>())
        connect(table, &QTableWidget::itemChanged, this, &PendingLabel::check);
    for (auto* calendar : form->findChildren<QCalendarWidget*>())
        connect(calendar, &QCalendarWidget::selectionChanged, this, &PendingLabel::check);
    for (auto* tree : form->findChildren<QTreeWidget*>()) {
        connect(tree, &QTreeWidget::itemClicked, this, &PendingLabel::check);
        connect(tree, &QTreeWidget::itemDoubleClicked, this, &PendingLabel::check);
        connect(tree, &QTreeWidget::itemActivated, this, &PendingLabel::check);
    }
}

void PendingLabel::formShown() {
    if (values_) shown_ = values_();
    hide();
}

void PendingLabel::check() {
    if (values_) setVisible(values_() != shown_);
}
