// Opening a scenario from outside the load dialog: the command line, a file dropped on the
// window and the recent scenarios of the Files menu. Each opens as the Load button does.
#include "app/tyx.h"
#include "core/editing/editor_session.h"
#include "core/editing/recent_scenarios.h"
#include "core/io/file_access.h"
#include "core/io/file_in_folder.h"
#include "widgets/common/message_box.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace {
// The source of a drop keeps its file: the editor only reads it.
bool TakeWithoutMoving(QDropEvent* event) {
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
        if (event->possibleActions() & action) {
            event->setDropAction(action);
            event->accept();
            return true;
        }
    }
    event->ignore();
    return false;
}

// An entry's caption: its number as the access key, and the name with its "&" kept as text.
QString RecentCaption(int number, QString name) {
    return QStringLiteral("&%1 %2").arg(number).arg(name.replace(u'&', QStringLiteral("&&")));
}
} // namespace

bool TYX::openAsLoadButton(const QString& name) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool opened = openScenario(name, true);
    QGuiApplication::restoreOverrideCursor();
    return opened;
}

void TYX::OpenFromCommandLine(const QString& path) {
    const SessionFolders& folders = session_->folders();
    const QString folder = PlatformPath(folders.scenario);
    const FileInFolder file = LocateInFolder(path, folder, QDir::fromNativeSeparators(folders.start));
    if (!file.inside) {
        const QString realFolder = QFileInfo(folder).canonicalFilePath();
        const QString shownFolder =
            QDir::toNativeSeparators(realFolder.isEmpty() ? QDir::cleanPath(folder) : realFolder);
        ShowMessage(this, file.shownPath + " is not in the scenario folder " + shownFolder + ".", "Open",
                    MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    // A file of the folder that is missing gets the load's own box: it names the file and
    // leaves the editor as it was.
    offerToSave();
    openAsLoadButton(file.name);
}

QString TYX::droppedScenario(const QMimeData* data) const {
    if (!data || !data->hasUrls()) return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return QString();
    const QString path = urls.first().toLocalFile();
    const SessionFolders& folders = session_->folders();
    const FileInFolder file =
        LocateInFolder(path, PlatformPath(folders.scenario), QDir::fromNativeSeparators(folders.start));
    if (!file.inside || !file.name.endsWith(".scn", Qt::CaseInsensitive) || !QFileInfo(path).isFile())
        return QString();
    return file.name;
}

void TYX::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedScenario(event->mimeData()).isEmpty())
        event->ignore();
    else
        TakeWithoutMoving(event);
}

void TYX::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedScenario(event->mimeData()).isEmpty())
        event->ignore();
    else
        TakeWithoutMoving(event);
}

void TYX::dropEvent(QDropEvent* event) {
    const QString name = droppedScenario(event->mimeData());
    if (name.isEmpty() || !TakeWithoutMoving(event)) {
        event->ignore();
        return;
    }
    // The program the file came from waits until the drop returns: the save prompt and the
    // load run only after that.
    QTimer::singleShot(0, this, [this, name] {
        offerToSave();
        openAsLoadButton(name);
    });
}

QMenu* TYX::addRecentMenu(QMenu* files) {
    QMenu* menu = files->addMenu("&Recent scenarios");
    menu->setObjectName("MenuRecent");
    menu->menuAction()->setEnabled(false);
    // The entries are made as the menu opens, so that a file deleted since shows as such.
    connect(menu, &QMenu::aboutToShow, this, &TYX::listRecentScenarios);
    connect(session_, &EditorSession::foldersChanged, this, &TYX::enableRecentMenu);
    return menu;
}

void TYX::enableRecentMenu() {
    recentMenu_->menuAction()->setEnabled(
        !RecentScenarios(PlatformPath(session_->folders().scenario)).names().isEmpty());
}

void TYX::listRecentScenarios() {
    recentMenu_->clear();
    const QStringList names = RecentScenarios(PlatformPath(session_->folders().scenario)).names();
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names[i];
        QAction* action = recentMenu_->addAction(RecentCaption(i + 1, name));
        action->setData(name);
        action->setEnabled(FileExists(session_->folders().scenario + name));
        connect(action, &QAction::triggered, this, [this, name] { openRecentScenario(name); });
    }
}

void TYX::openRecentScenario(const QString& name) {
    offerToSave();
    openAsLoadButton(name);
}

void TYX::rememberScenario(const QString& fileNameOrPath) {
    const QString folder = session_->folders().scenario;
    if (folder.isEmpty()) return;
    // A name within the folder: a file below it has "\" between its folders.
    const QString name =
        fileNameOrPath.startsWith(folder) ? fileNameOrPath.mid(folder.size()) : fileNameOrPath;
    if (name.isEmpty() || name.contains(u'/')) return;
    RecentScenarios(PlatformPath(folder)).add(name);
    enableRecentMenu();
}
