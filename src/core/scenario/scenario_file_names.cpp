#include "core/scenario/scenario_file_names.h"

#include "core/text/text_rules.h"

QString CompletedScenarioName(const QString& typed) {
    QString name = Trim(typed);
    if (name.right(4).compare(QLatin1String(".scn"), Qt::CaseInsensitive) != 0) name += QLatin1String(".scn");
    return name;
}

bool IsProtectedScenarioName(const QString& name) {
    return name == QLatin1String("(Current state).scn") || name == QLatin1String("(Quicksave state).scn");
}

QString ScenarioFolderOfName(const QString& name) {
    return name.left(name.lastIndexOf(u'\\') + 1);
}

QString ScenarioFileOfName(const QString& name) {
    return name.mid(name.lastIndexOf(u'\\') + 1);
}

bool HoldsFolderSeparator(const QString& typed) {
    return typed.contains(u'\\') || typed.contains(u'/');
}
