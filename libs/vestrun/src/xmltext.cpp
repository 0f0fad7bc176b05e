#include "xmltext.h"

namespace functest {

namespace {

bool isXmlChar(QChar c) {
    const char16_t u = c.unicode();
    return u == u'\t' || u == u'\n' || u == u'\r' || (u >= 0x20 && u <= 0xFFFD && !c.isSurrogate());
}

} // namespace

QString xmlText(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // Every character beyond the Basic Multilingual Plane is allowed.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result.append(c).append(text.at(++i));
            continue;
        }
        result.append(isXmlChar(c) ? c : QChar(QChar::ReplacementCharacter));
    }
    return result;
}

} // namespace functest
