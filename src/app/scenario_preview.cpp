#include "app/scenario_preview.h"

#include "document/scenario_reader.h"
#include "simulator/file_access.h"

QString ScenarioFileDescription(const QString& path) {
    const auto bytes = ReadWholeFile(path);
    return bytes ? ScenarioDescription(*bytes) : QString();
}
