#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

namespace storage {

struct ProjectRecord;
class ProgramData;

// The project's settings column: everything of a project except its switch times and date ranges,
// as one JSON document (docs/storage.md lists the keys). Missing keys keep the record's defaults,
// so documents of older versions read as far as they go.
class ProjectSettingsJson {
public:
    static QJsonObject write(const ProjectRecord& record);
    // Everything but the channels, which are kept as they are until the program data is read.
    static void read(const QJsonObject& json, ProjectRecord& record);
    // The channel functions and the programs' light values.
    static void readChannels(const QJsonArray& channels, ProgramData& data);
    static QJsonObject parse(const QByteArray& document);
};

} // namespace storage
