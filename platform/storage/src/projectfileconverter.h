#pragma once

#include <devices/ot2file.h>

namespace storage {

struct ProjectRecord;

// Converts a project to and from the project file record. Everything a project holds goes into
// the file, except what the file has no place for: the catalogue key of favourite locations
// (read back as "none") and several end days of a fixed switch time other than its start days.
class ProjectFileConverter {
public:
    // withAstro adds the location, favourites and own astro table. With optimize, the switch
    // times are written as Program::optimize() would leave them; the project is not changed.
    static devices::Ot2File toFile(const ProjectRecord& record, bool withAstro, bool optimize);
    // Fills a new project record (device, name and content) from the file.
    static void fromFile(const devices::Ot2File& file, ProjectRecord& record);
};

} // namespace storage
