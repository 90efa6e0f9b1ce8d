#include "widgets/dialogs/about_dialog.h"

#include "skelvan_version.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("About");
    setWindowTitle("About...");

    Picture = new QLabel(this);
    Picture->setObjectName("Picture");
    Picture->setPixmap(QPixmap(":/app/skelvan-scenario-editor.png"));
    ProgramName = new QLabel("Skelvan Scenario Editor", this);
    ProgramName->setObjectName("ProgramName");
    QFont bigger = ProgramName->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    ProgramName->setFont(bigger);
    Version = new QLabel("Version v" SKELVAN_VERSION, this);
    Version->setObjectName("Version");
    Command2 = new QPushButton("OK", this);
    Command2->setObjectName("Command2");
    Command2->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(ProgramName);
    texts->addWidget(Version);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(Picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
}
