#pragma once
// A small simulator installation in a temporary folder, and a start folder whose "tyx.cfg"
// names it, for tests that build the main window.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

class SimulatorFixture {
  public:
    SimulatorFixture() {
        QDir root(dir_.path());
        root.mkpath("start");
        root.mkpath("sim/Config");
        root.mkpath("sim/Scenarios");
        Write("sim/skelvan.cfg",
              "; test installation\r\nConfigDir = .\\Config\\\r\nScenarioDir = .\\Scenarios\\\r\n");
        WriteSetting(SimulatorFolder() + " ; the simulator");
        previous_ = QDir::currentPath();
        QDir::setCurrent(StartFolder());
    }
    ~SimulatorFixture() { QDir::setCurrent(previous_); }

    QString Root() const { return dir_.path(); }
    QString StartFolder() const { return dir_.path() + "/start"; }
    QString SimulatorFolder() const { return dir_.path() + "/sim"; }
    QString ConfigFolder() const { return dir_.path() + "/sim/Config"; }
    QString ScenarioFolder() const { return dir_.path() + "/sim/Scenarios"; }

    // Writes a file below the temporary root, creating its folder.
    void Write(const QString& relative, const QByteArray& bytes) const {
        const QString path = dir_.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
    QByteArray Read(const QString& relative) const {
        QFile file(dir_.path() + "/" + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteSetting(const QString& firstLine) const {
        Write("start/tyx.cfg", (firstLine + "\r\n").toUtf8());
    }
    void RemoveSetting() const { QFile::remove(StartFolder() + "/tyx.cfg"); }
    // Copies every file of a folder (e.g. the demo installation) into the simulator folder.
    void CopyTree(const QString& from, const QString& to = QString()) const {
        const QString target = to.isEmpty() ? SimulatorFolder() : to;
        QDir source(from);
        QDir().mkpath(target);
        for (const QFileInfo& info : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (info.isDir())
                CopyTree(info.filePath(), target + "/" + info.fileName());
            else {
                QFile::remove(target + "/" + info.fileName());
                QFile::copy(info.filePath(), target + "/" + info.fileName());
            }
        }
    }

  private:
    QTemporaryDir dir_;
    QString previous_;
};
