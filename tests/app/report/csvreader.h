#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An RFC 4180 reader of our own: records end at an unquoted line break; quoted fields may hold
// commas, doubled quotes and line breaks.
inline QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (ch == u'"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (ch == u',') {
            record.append(field);
            field.clear();
        } else if (ch == u'\n') {
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
        } else {
            field += ch;
        }
    }
    record.append(field);
    records.append(record);
    return records;
}

// The records that hold more than one field or a field that is not blank.
inline QList<QStringList> filledRecords(const QString& csv) {
    QList<QStringList> filled;
    for (const QStringList& record : readCsv(csv)) {
        if (record.size() > 1 || !record.first().trimmed().isEmpty())
            filled.append(record);
    }
    return filled;
}
