#include "widgets/dialogs/help_window.h"
#include "widgets/common/object_names.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

UserGuideWindow::UserGuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(ObjectNames::HelpWindow);
    setWindowTitle("Skelvan Scenario Editor - User guide");
    auto* guide = new QTextBrowser(this);
    guide->setObjectName(ObjectNames::Guide);
    guide->setOpenExternalLinks(true);
    guide->setSource(QUrl("qrc:/help/user_guide.html"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(guide);
    resize(760, 640);
}
