#pragma once

#include <QString>

namespace devices {

// Text forms of the project file's values.
namespace IniFieldFormat {
inline const QString Date = QStringLiteral("yyyy-MM-dd");
inline const QString DateTime = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
inline const QString DayTime = QStringLiteral("HH:mm:ss");
} // namespace IniFieldFormat

} // namespace devices
