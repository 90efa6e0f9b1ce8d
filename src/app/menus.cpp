// The menu bar and its commands, the save prompt and the exit.
#include "app/tyx.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/dialogs/about_dialog.h"
#include "widgets/dialogs/calculator.h"
#include "widgets/dialogs/delete_dialog.h"
#include "widgets/dialogs/help_window.h"
#include "widgets/dialogs/load_dialog.h"
#include "widgets/dialogs/planetary_system_information.h"
#include "widgets/dialogs/save_as_dialog.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace {
int EntryCount(const QComboBox* list) {
    return list ? list->count() : 0;
}
} // namespace

void TYX::BuildMenus() {
    auto item = [this](QMenu* menu, const char* name, const QString& caption, bool enabled,
                       void (TYX::*slot)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
        return action;
    };
    Menu1 = menuBar()->addMenu("&Files");
    Menu1->setObjectName("Menu1");
    Menu12 = item(Menu1, "Menu12", "&Open", true, &TYX::Menu12Click);
    Menu13 = item(Menu1, "Menu13", "&Save", false, &TYX::Menu13Click);
    Menu14 = item(Menu1, "Menu14", "S&ave as", false, &TYX::Menu14Click);
    Menu11 = item(Menu1, "Menu11", "&Delete a scenario file", true, &TYX::Menu11Click);
    Menu15 = Menu1->addSeparator();
    Menu15->setObjectName("Menu15");
    Menu16 = item(Menu1, "Menu16", "&Exit", true, &TYX::Menu16Click);
    // The platform's usual keys work beside the access keys of the captions.
    Menu12->setShortcuts(QKeySequence::Open);
    Menu13->setShortcuts(QKeySequence::Save);
    Menu14->setShortcuts(QKeySequence::SaveAs);
    Menu16->setShortcuts(QKeySequence::Quit);

    Menu30 = menuBar()->addMenu("&Tools");
    Menu30->setObjectName("Menu30");
    Menu31 = item(Menu30, "Menu31", "&Planetary system information", false, &TYX::Menu31Click);
    Menu33 = item(Menu30, "Menu33", "&Windows Calculator", true, &TYX::Menu33Click);
    Menu32 = item(Menu30, "Menu32", "&Skelvan Folder Search", true, &TYX::Menu32Click);

    Menu2 = menuBar()->addMenu("&?");
    Menu2->setObjectName("Menu2");
    Menu21 = item(Menu2, "Menu21", "&Help", true, &TYX::Menu21Click);
    Menu22 = item(Menu2, "Menu22", "&About", true, &TYX::Menu22Click);
    Menu21->setShortcuts(QKeySequence::HelpContents);
}

// Offers to save the open scenario under a name of the user's choice; it never saves by
// itself and, unlike the menu commands, lets a scenario without ships be saved.
void TYX::SavePrompt() {
    if (scnfile->text().isEmpty()) return;
    if (ShowMessage(this, "Do you wish to save " + scnfile->text() + " ?", "Skelvan Scenario Editor",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    SaveAsDialog dialog(this);
    ExecModal(&dialog);
}

void TYX::Menu12Click() {
    SavePrompt();
    LoadFileDialog dialog(this);
    ExecModal(&dialog);
}

void TYX::Menu13Click() {
    if (EntryCount(ShipName) < 1) {
        ShowMessage(this, "You must have at least one ship in the scenario !", "Forbidden action",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    ScenarioFileSaving(ScnDir->text() + scnfile->text());
}

void TYX::Menu14Click() {
    if (EntryCount(ShipName) < 1) {
        ShowMessage(this, "You must have at least one ship in the scenario !", "Forbidden action",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    SaveAsDialog dialog(this);
    ExecModal(&dialog);
}

void TYX::Menu11Click() {
    DeleteFileDialog dialog(this);
    ExecModal(&dialog);
}

void TYX::Menu16Click() {
    if (ShowMessage(this, "Are you sure you want to leave Skelvan Scenario Editor?", "Exit confirmation",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    SavePrompt();
    close();
}

// The information window stays modeless: the main window remains usable beside it.
void TYX::Menu31Click() {
    PlanetarySystemInformation* window = InformationWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void TYX::Menu33Click() {
    StartCalculator(this);
}

void TYX::Menu21Click() {
    QWidget* window = HelpWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* TYX::HelpWindow() {
    if (!helpWindow_) helpWindow_ = new UserGuideWindow(this);
    return helpWindow_;
}

void TYX::Menu22Click() {
    AboutDialog about(this);
    ExecModal(&about);
}
