#include "widgets/dialogs/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

UserGuideWindow::UserGuideWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle("Skelvan Scenario Editor - User guide");
    Guide = new QTextBrowser(this);
    Guide->setObjectName("Guide");
    Guide->setOpenExternalLinks(true);
    Guide->setSource(QUrl("qrc:/help/user_guide.html"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Guide);
    resize(760, 640);
}
