#pragma once

#include <QDate>

namespace holidays {

// Western (Gregorian) Easter Sunday of a year; invalid for years before 1583.
QDate easterSunday(int year);

} // namespace holidays
