#pragma once
// A simulator installation in a temporary folder, beside it a start folder whose setting
// "tyx.cfg" names it, and the start folder as the working folder while the fixture lives: the
// place a window test starts the editor from. Each fixture starts with no recent scenarios.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class TYX;

// A file or folder of tests/data, by its path below that folder.
QString TestDataFile(const QString& relative);

class SimulatorFixture {
  public:
    // An installation with its "skelvan.cfg" and empty Config and Scenarios folders.
    SimulatorFixture();
    // A copy of the installation folder given (skelvan.cfg, Config, Scenarios...).
    explicit SimulatorFixture(const QString& installation);
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture&) = delete;
    SimulatorFixture& operator=(const SimulatorFixture&) = delete;

    // False when the folders could not be made; the test cannot go on then.
    bool Ok() const { return ok_; }

    QString Root() const { return dir_.path(); }
    QString StartFolder() const { return dir_.path() + "/start"; }
    QString SimulatorFolder() const { return dir_.path() + "/sim"; }
    QString ConfigFolder() const { return dir_.path() + "/sim/Config"; }
    QString ScenarioFolder() const { return dir_.path() + "/sim/Scenarios"; }
    QString ScenarioPath(const QString& name) const { return ScenarioFolder() + "/" + name; }

    // Files below the temporary root; Write creates the folder.
    void Write(const QString& relative, const QByteArray& bytes) const;
    QByteArray Read(const QString& relative) const;
    QByteArray ScenarioBytes(const QString& name) const;
    void WriteScenario(const QString& name, const QByteArray& bytes) const;

    // The setting "tyx.cfg" of the start folder: its first line, or no file at all.
    void WriteSetting(const QString& firstLine) const;
    void RemoveSetting() const;

    // Copies every file and folder below `from` into `to` (the simulator folder when empty),
    // replacing files of the same name; a symbolic link is copied as a link.
    bool CopyTree(const QString& from, const QString& to = QString()) const;

    // The editor started from the start folder, as a user starts it, and shown.
    std::unique_ptr<TYX> MakeWindow() const;

  private:
    QTemporaryDir dir_;
    QString previousFolder_;
    bool ok_ = false;
};
