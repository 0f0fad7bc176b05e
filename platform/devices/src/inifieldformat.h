#pragma once

#include <QString>

namespace devices {

// Text forms of the project file's values.
namespace IniFieldFormat {
inline const QString Date = QStringLiteral("yyyy-MM-dd");
// Date, "T" and time of day: a wall-clock reading without a zone.
inline const QString DateTime = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
inline const QString DayTime = QStringLiteral("HH:mm:ss");
} // namespace IniFieldFormat

} // namespace devices
