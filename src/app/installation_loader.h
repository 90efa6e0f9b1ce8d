#pragma once
// The installation loader of the main window: the start-up (the setting "tyx.cfg" and the folder
// search that finds the simulator, the two folders "skelvan.cfg" names, the catalogs of the
// configuration folder) and the reading of a planetary system's bodies and bases. What it reads
// goes into the session; its signals tell the window what to show anew.
#include <QObject>

class EditorSession;
class QWidget;

class InstallationLoader : public QObject {
    Q_OBJECT
  public:
    // Boxes and dialogs open over the window.
    InstallationLoader(EditorSession& session, QWidget* window);

    // The start-up, with the process's working folder as the start folder. False when the
    // simulator could not be found: the program then ends.
    bool startUp();
    // The folder search of the Tools menu: the new folder counts from the next start.
    void searchSimulatorFolder();
    // Reads the bodies of the planetary system of that entry of the session's list under a busy
    // pointer; with its bases too when a scenario of that system is shown. A change of system
    // keeps the bases of the last scenario read.
    void readPlanetarySystem(int entry, bool withBases);

  signals:
    // The planetary systems and classes of the installation are in the session.
    void catalogsRead();
    // The bodies of the planetary system are in the session.
    void bodiesRead(const QStringList& bodies);
    // The bases on those bodies are in the session.
    void basesRead();

  private:
    bool locateSimulator();
    void readSkelvanConfiguration();
    void rewriteSetting();
    void readCatalogs();
    void readBodies(const QString& systemFile);
    void readBases();

    EditorSession& session_;
    QWidget* window_;
};
