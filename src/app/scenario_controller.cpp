// Opening and saving scenarios: the Files menu's commands, the save prompt, the command line, a
// file dropped on the window and the recent scenarios. Each way in opens as the Load button does.
#include "app/scenario_controller.h"

#include "core/editing/editor_session.h"
#include "core/editing/recent_scenarios.h"
#include "core/editing/scenario_saving.h"
#include "core/io/file_access.h"
#include "core/io/file_in_folder.h"
#include "core/scenario/scenario_file_names.h"
#include "core/scenario/scenario_reader.h"
#include "widgets/common/busy_pointer.h"
#include "widgets/common/message_box.h"
#include "widgets/common/modal.h"
#include "widgets/common/status_line.h"
#include "widgets/dialogs/delete_dialog.h"
#include "widgets/dialogs/load_dialog.h"
#include "widgets/dialogs/save_as_dialog.h"
#include "widgets/dialogs/scenario_changes_window.h"
#include "widgets/tabs/environment_tab.h"
#include "widgets/tabs/ship_tab.h"
#include "widgets/tabs/station_tab.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {
// An entry's caption: its number as the access key, and the name with its "&" kept as text.
QString RecentCaption(int number, QString name) {
    return QStringLiteral("&%1 %2").arg(number).arg(name.replace(u'&', QStringLiteral("&&")));
}

bool RefuseWithoutShips(const EditorSession& session, QWidget* window) {
    if (session.shipCount() >= 1) return false;
    ShowMessage(window, "You must have at least one ship in the scenario !", "Forbidden action",
                MsgButtons::Ok, MsgIcon::Exclamation);
    return true;
}
} // namespace

void ScenarioController::offerToSave() {
    const QString name = session_.fileName();
    if (name.isEmpty()) return;
    if (ShowMessage(view_.window, "Do you wish to save " + name + " ?", "Skelvan Scenario Editor",
                    MsgButtons::OkCancel, MsgIcon::None) != MsgResult::Ok)
        return;
    runSaveAsDialog();
}

QString ScenarioController::openScenarioFolder() const {
    return ScenarioFolderOfName(session_.fileName());
}

void ScenarioController::openFromDialog() {
    offerToSave();
    LoadFileDialog dialog(
        session_.folders().scenario, openScenarioFolder(),
        [this](const QString& name, bool viaLoadButton) { return openScenario(name, viaLoadButton); },
        view_.window);
    ExecModal(&dialog);
}

void ScenarioController::save() {
    if (RefuseWithoutShips(session_, view_.window)) return;
    if (saveScenario(session_.filePath())) markSaved(session_.fileName());
}

void ScenarioController::saveAs() {
    if (RefuseWithoutShips(session_, view_.window)) return;
    runSaveAsDialog();
}

void ScenarioController::runSaveAsDialog() {
    SaveAsDialog dialog(
        session_.folders().scenario, openScenarioFolder(),
        [this](const QString& name) {
            if (!saveScenario(session_.folders().scenario + name)) return false;
            session_.setFileName(name);
            markSaved(name);
            return true;
        },
        view_.window);
    ExecModal(&dialog);
}

// What "&Save" would write, against the file on disk under the scenario's name.
void ScenarioController::showChanges() {
    const QString path = session_.filePath();
    FileOnDisk onDisk;
    if (const auto bytes = ReadWholeFile(path)) {
        onDisk = {FileOnDisk::State::Read, *bytes};
    } else {
        onDisk.state = FileExists(path) ? FileOnDisk::State::Unreadable : FileOnDisk::State::Missing;
    }
    ScenarioChangesWindow window(session_.fileName(), onDisk, SessionSaveBytes(session_), view_.window);
    ExecModal(&window);
}

void ScenarioController::deleteScenarioFiles() {
    DeleteFileDialog dialog(session_.folders().scenario, openScenarioFolder(), view_.window);
    ExecModal(&dialog);
}

bool ScenarioController::openScenario(const QString& fileName, bool viaLoadButton) {
    // A file that vanished or cannot be read since it was listed changes nothing. The file is
    // read once, here: the description shown is the one of the bytes loaded.
    const auto bytes = ReadWholeFile(session_.folders().scenario + fileName);
    if (!bytes) {
        ShowMessage(view_.window, "The scenario file " + fileName + " could not be read.", "Load a scenery",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    emit fileOpening();
    session_.setFileName(fileName);

    const ScenarioReadResult read = ReadScenario(*bytes);
    session_.openScenario(read.document, read.stationNames, read.shipNames, read.possibleShipFocus,
                          read.hasShips);
    view_.environment->showScenario(read.document.Description);
    emit planetarySystemNeeded(session_.planetarySystemIndex(read.document.SystemName), true);

    view_.stations->showStations();
    view_.ships->showStationTree();
    view_.ships->showBaseTree();
    view_.ships->showShips(read.shipIndexText, read.hasShips);
    view_.ships->showFirstShip();
    view_.stations->selectFirstBody();

    emit fileOpened(viaLoadButton);
    rememberScenario(fileName);
    startHistory();
    view_.status->say("Loaded " + fileName);
    return true;
}

bool ScenarioController::saveScenario(const QString& fileName) {
    // Only what the user changed is written anew; the rest of the file as it was read.
    const QByteArray bytes = SessionSaveBytes(session_);
    QString error;
    if (!WriteWholeFile(fileName, bytes, &error)) {
        ShowMessage(view_.window,
                    "The scenario could not be saved to " + DisplayPath(PlatformPath(fileName)) + ":\n" +
                        error + "\nAn earlier file of that name is left as it was.",
                    "Saving failed", MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    rememberScenario(fileName);
    return true;
}

bool ScenarioController::openAsLoadButton(const QString& name) {
    const BusyPointer busy;
    return openScenario(name, true);
}

void ScenarioController::openFromCommandLine(const QString& path) {
    const SessionFolders& folders = session_.folders();
    const QString folder = PlatformPath(folders.scenario);
    const FileInFolder file = LocateInFolder(path, folder, QDir::fromNativeSeparators(folders.start));
    if (!file.inside) {
        const QString realFolder = QFileInfo(folder).canonicalFilePath();
        const QString shownFolder =
            QDir::toNativeSeparators(realFolder.isEmpty() ? QDir::cleanPath(folder) : realFolder);
        ShowMessage(view_.window, file.shownPath + " is not in the scenario folder " + shownFolder + ".",
                    "Open", MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    // A file of the folder that is missing gets the load's own box: it names the file and
    // leaves the editor as it was.
    openByName(file.name);
}

QString ScenarioController::droppedScenario(const QMimeData* data) const {
    if (!data || !data->hasUrls()) return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return QString();
    const QString path = urls.first().toLocalFile();
    const SessionFolders& folders = session_.folders();
    const FileInFolder file =
        LocateInFolder(path, PlatformPath(folders.scenario), QDir::fromNativeSeparators(folders.start));
    if (!file.inside || !file.name.endsWith(".scn", Qt::CaseInsensitive) || !QFileInfo(path).isFile())
        return QString();
    return file.name;
}

void ScenarioController::openByName(const QString& name) {
    offerToSave();
    openAsLoadButton(name);
}

bool ScenarioController::hasRecentScenarios() const {
    return !RecentScenarios(PlatformPath(session_.folders().scenario)).names().isEmpty();
}

void ScenarioController::listRecentScenarios(QMenu* menu) {
    menu->clear();
    const QStringList names = RecentScenarios(PlatformPath(session_.folders().scenario)).names();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i];
        QAction* action = menu->addAction(RecentCaption(i + 1, name));
        action->setData(name);
        action->setEnabled(FileExists(session_.folders().scenario + name));
        connect(action, &QAction::triggered, this, [this, name] { openByName(name); });
    }
}

void ScenarioController::rememberScenario(const QString& fileNameOrPath) {
    const QString folder = session_.folders().scenario;
    if (folder.isEmpty()) return;
    // A name within the folder: a file below it has "\" between its folders.
    const QString name =
        fileNameOrPath.startsWith(folder) ? fileNameOrPath.mid(folder.size()) : fileNameOrPath;
    if (name.isEmpty() || name.contains(u'/')) return;
    RecentScenarios(PlatformPath(folder)).add(name);
    emit recentScenariosChanged();
}
