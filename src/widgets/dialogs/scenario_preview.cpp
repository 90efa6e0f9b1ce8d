#include "widgets/dialogs/scenario_preview.h"

#include "core/io/file_access.h"
#include "core/scenario/scenario_reader.h"

QString ScenarioFileDescription(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? ScenarioDescription(*bytes) : QString();
}
