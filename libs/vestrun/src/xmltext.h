#pragma once

#include <QString>

namespace functest {

// The text with every character that XML 1.0 does not allow (control characters other than
// tab, line feed and carriage return, lone surrogates, U+FFFE and U+FFFF) replaced by U+FFFD.
// Qt's DOM would write them as they are, and parsers refuse such a file.
QString xmlText(const QString& text);

} // namespace functest
