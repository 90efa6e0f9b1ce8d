#include "widgets/common/selection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
QHash<const QObject*, PickHandler>& Handlers() {
    static QHash<const QObject*, PickHandler> handlers;
    return handlers;
}

void Attach(QObject* widget, PickHandler handler) {
    if (!Handlers().contains(widget))
        QObject::connect(widget, &QObject::destroyed, [widget] { Handlers().remove(widget); });
    Handlers()[widget] = std::move(handler);
}
} // namespace

void RunPickHandler(const QObject* widget) {
    auto it = Handlers().constFind(widget);
    if (it != Handlers().constEnd() && *it) {
        PickHandler copy = *it; // the handler may rebuild lists and re-attach
        copy();
    }
}

void OnPick(QComboBox* box, PickHandler handler) {
    bool first = !Handlers().contains(box);
    Attach(box, std::move(handler));
    if (first) QObject::connect(box, &QComboBox::activated, box, [box](int) { RunPickHandler(box); });
}

void OnPick(QListWidget* list, PickHandler handler) {
    bool first = !Handlers().contains(list);
    Attach(list, std::move(handler));
    if (first)
        QObject::connect(list, &QListWidget::itemClicked, list,
                         [list](QListWidgetItem*) { RunPickHandler(list); });
}

void OnPick(QRadioButton* option, PickHandler handler) {
    bool first = !Handlers().contains(option);
    Attach(option, std::move(handler));
    if (first)
        QObject::connect(option, &QRadioButton::clicked, option, [option](bool) { RunPickHandler(option); });
}

void OnPick(QCheckBox* check, PickHandler handler) {
    bool first = !Handlers().contains(check);
    Attach(check, std::move(handler));
    if (first) QObject::connect(check, &QCheckBox::clicked, check, [check](bool) { RunPickHandler(check); });
}

void Select(QComboBox* box, int index) {
    {
        QSignalBlocker block(box);
        box->setCurrentIndex(index);
    }
    RunPickHandler(box);
}

void Select(QListWidget* list, int index) {
    {
        QSignalBlocker block(list);
        list->setCurrentRow(index);
    }
    RunPickHandler(list);
}

void Select(QRadioButton* option) {
    {
        QSignalBlocker block(option);
        option->setChecked(true);
    }
    RunPickHandler(option);
}

void SetChecked(QCheckBox* check, bool checked) {
    bool changed = check->isChecked() != checked;
    {
        QSignalBlocker block(check);
        check->setChecked(checked);
    }
    if (changed) RunPickHandler(check);
}
