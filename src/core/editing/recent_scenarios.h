#pragma once
// The scenario files last loaded or saved, newest first, kept for each scenario folder in the
// user's own settings (organization "Skelvan", application "skelvan-scenario-editor"). They
// never go into "tyx.cfg": that file belongs to the start folder and holds the simulator folder
// alone.
#include <QString>
#include <QStringList>

class RecentScenarios {
  public:
    static constexpr int MaxFiles = 8;    // per scenario folder
    static constexpr int MaxFolders = 16; // folders remembered, the least recent dropped

    // The list of that scenario folder (a platform path).
    explicit RecentScenarios(const QString& scenarioFolder);

    // The names within the folder, newest first; a file below it has "\" between its folders.
    QStringList names() const;
    // Puts the name first; an earlier entry of the same name goes, and the ninth.
    void add(const QString& name);

    // Forgets every folder's list.
    static void ForgetAll();

  private:
    QString folder_; // the folder as the store knows it: resolved, with "/" separators
};
