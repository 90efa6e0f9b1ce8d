#include "widgets/common/status_line.h"
#include "widgets/common/object_names.h"

#include <QLabel>

StatusLine::StatusLine(QWidget* parent) : QStatusBar(parent) {
    setObjectName(ObjectNames::StatusBar);
    modified_ = new QLabel("Modified", this);
    modified_->setObjectName(ObjectNames::StatusModified);
    modified_->hide();
    file_ = new QLabel(this);
    file_->setObjectName(ObjectNames::StatusFile);
    file_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The path is the lasting fact, the messages come and go beside it.
    addPermanentWidget(modified_);
    addPermanentWidget(file_);
}

void StatusLine::showFile(const QString& path) {
    file_->setText(path);
}

void StatusLine::showModified(bool modified) {
    modified_->setVisible(modified);
}

void StatusLine::say(const QString& message) {
    showMessage(message);
}
