#pragma once
// Small makers for the controls of the editing tabs, so that every tab names its controls,
// gives their tooltips and shows its values the same way.
#include <QFrame>
#include <QLabel>
#include <QLatin1String>
#include <QString>

// Gives a control its object name and, when there is one, its tooltip.
template <typename Control>
Control* Named(Control* control, const char* name, const QString& toolTip = QString()) {
    control->setObjectName(QLatin1String(name));
    if (!toolTip.isEmpty()) control->setToolTip(toolTip);
    return control;
}

inline QLabel* Caption(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

// A label that shows a value looks like a read-only field, so that an empty one still shows
// its place; its text can be selected and copied.
inline QLabel* ValueLabel(QWidget* parent, const char* name, const QString& toolTip, int minimumWidth = 90) {
    auto* label = Named(new QLabel(parent), name, toolTip);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}
