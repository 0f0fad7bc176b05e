#pragma once

#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

// What a report document holds, as a reader of it sees it.
namespace report {

inline QList<QTextFrame*> sections(const QTextDocument& document) {
    return document.rootFrame()->childFrames();
}

inline QString titleOf(const QTextFrame* section) {
    return section->firstCursorPosition().block().text().trimmed();
}

inline QStringList titles(const QTextDocument& document) {
    QStringList texts;
    for (const QTextFrame* section : sections(document))
        texts.append(titleOf(section));
    return texts;
}

inline QList<QTextTable*> tablesIn(const QTextFrame* frame) {
    QList<QTextTable*> tables;
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            tables.append(table);
    }
    return tables;
}

inline QString cellText(const QTextTable& table, int row, int column) {
    const QTextTableCell cell = table.cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText().replace(QChar::LineSeparator, u'\n');
}

} // namespace report
