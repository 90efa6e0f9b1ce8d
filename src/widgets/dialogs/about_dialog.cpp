#include "widgets/dialogs/about_dialog.h"

#include "skelvan_version.h"
#include "widgets/common/object_names.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(ObjectNames::About);
    setWindowTitle("About...");

    // Nothing here changes once shown: the controls need no members.
    auto* picture = new QLabel(this);
    picture->setObjectName(ObjectNames::Picture);
    picture->setPixmap(QPixmap(":/app/skelvan-scenario-editor.png"));
    auto* programName = new QLabel("Skelvan Scenario Editor", this);
    programName->setObjectName(ObjectNames::ProgramName);
    QFont bigger = programName->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    programName->setFont(bigger);
    auto* version = new QLabel("Version v" SKELVAN_VERSION, this);
    version->setObjectName(ObjectNames::Version);
    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName(ObjectNames::Command2);
    okButton->setDefault(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(programName);
    texts->addWidget(version);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}
