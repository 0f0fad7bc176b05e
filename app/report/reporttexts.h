#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextFrame>

#include "trfunctions.h"

// Small text pieces that every section writer of the project report shares.
namespace reporttext {

inline const QString& spaces() {
    static const QString text = QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
    return text;
}

inline QString bold(const QString& html) {
    return QStringLiteral("<b>%1</b>").arg(html);
}
inline QString line(const QString& html) {
    return QStringLiteral("%1<br />").arg(html);
}

// Every piece of a section goes to its end. A table inserted at a cursor leaves every other
// cursor in front of it, so each insertion moves its cursor to the end first.
inline void toSectionEnd(QTextCursor& cursor) {
    if (!cursor.isNull() && cursor.currentFrame())
        cursor = cursor.currentFrame()->lastCursorPosition();
}

inline void appendHtml(QTextCursor& cursor, const QString& html) {
    toSectionEnd(cursor);
    cursor.insertHtml(html);
}

// One line break, and a text followed by one or two.
inline void insertBreak(QTextCursor& cursor) {
    appendHtml(cursor, line(QString()));
}
inline void insertLine(QTextCursor& cursor, const QString& html) {
    appendHtml(cursor, line(html));
}
inline void insertDoubleBreak(QTextCursor& cursor) {
    appendHtml(cursor, line(line(QString())));
}

// Inserted HTML flows into the block at the cursor: text that must stand on its own line after a
// heading gets a plain block of its own first.
inline void startLine(QTextCursor& cursor) {
    toSectionEnd(cursor);
    if (!cursor.isNull() && !cursor.block().text().isEmpty())
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
}

// The entry of a name list, "-" for an index outside it.
inline QString entryOf(const QStringList& names, int index) {
    return index >= 0 && index < names.size() ? names.at(index) : QStringLiteral("-");
}

inline QString onText() {
    return trText("Generic", "Ein");
}
inline QString offText() {
    return trText("Generic", "Aus");
}
inline QString activeText() {
    return trText("Generic", "Aktiv");
}
inline QString inactiveText() {
    return trText("Program settings", "Inaktiv", "External input");
}
inline QString emptyText() {
    return trText("Generic", "Leer");
}
inline QString luxText(int lux) {
    return trText("Direct commands", "%1 lx").arg(lux);
}

} // namespace reporttext
