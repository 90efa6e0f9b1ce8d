#pragma once
// The label beside a validation button that reads "Not validated" while the form's values
// differ from those it showed when its row was displayed: picking another entry drops such
// values, and the label lets the user see that before it happens.
#include <QLabel>
#include <QStringList>
#include <functional>

class PendingLabel : public QLabel {
  public:
    using FormValues = std::function<QStringList()>;
    PendingLabel(const char* objectName, QWidget* parent);

    // Watches every editable control inside form (boxes, lists, options, sliders, tables,
    // calendars, trees and buttons); values reads what the form holds. Call once, after the form is built.
    void watch(QWidget* form, FormValues values);
    // A row was displayed (or stored): its values are the new copy, and the label hides.
    void formShown();
    // Shows the label when the form's values differ from the copy.
    void check();

  private:
    FormValues values_;
    QStringList shown_;
};
