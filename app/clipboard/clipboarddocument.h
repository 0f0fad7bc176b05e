#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>

#include <optional>

class QMimeData;

// The document in which copied items travel through the system clipboard: a JSON object with
// "document-version" 1, "type" the MIME type and one list of items under a key of its own
// ("switches", "dateRanges", "dateTimes"). It goes on the clipboard twice, as text (so that a
// user can read and keep it) and as data of the MIME type.
class ClipboardDocument {
public:
    static constexpr int DocumentVersion = 1;
    static QString mimeType();

    // The wrapper around a list of items; an origin, when given, becomes the "clipboard" member.
    static QJsonObject wrap(const QString& listKey, const QJsonArray& items,
                            const std::optional<QJsonObject>& origin = std::nullopt);
    // The document as indented JSON, both as text and as data of the MIME type. The caller owns it.
    static QMimeData* toMimeData(const QJsonObject& document);
    // Puts the document on the application clipboard, which takes it over.
    static void place(const QJsonObject& document);

    // The bytes of a document: the typed data when present, else the text as UTF-8.
    static QByteArray bytesOf(const QMimeData* data);
    // The JSON object the data holds; nothing when it holds none.
    static std::optional<QJsonObject> read(const QMimeData* data);
    // The list under listKey of the document on the clipboard; nothing when the clipboard holds
    // no document with such a list.
    static std::optional<QJsonArray> listOnClipboard(const QString& listKey);
    // Whether the data looks like one of our documents: it has the MIME type, or text whose "type"
    // is the MIME type in any letter case. It need not hold a list a reader can use.
    static bool isDocument(const QMimeData* data);
};
