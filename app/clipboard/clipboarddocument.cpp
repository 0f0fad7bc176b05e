#include "clipboarddocument.h"

#include "clipboardlogging.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMimeData>

QString ClipboardDocument::mimeType() {
    return QStringLiteral("application/vnd.de.zorvik.tarvino.json-data");
}

QJsonObject ClipboardDocument::wrap(const QString& listKey, const QJsonArray& items,
                                    const std::optional<QJsonObject>& origin) {
    QJsonObject document{
        {QStringLiteral("document-version"), DocumentVersion},
        {QStringLiteral("type"), mimeType()},
        {listKey, items},
    };
    if (origin)
        document.insert(QStringLiteral("clipboard"), *origin);
    return document;
}

QMimeData* ClipboardDocument::toMimeData(const QJsonObject& document) {
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(bytes));
    data->setData(mimeType(), bytes);
    return data;
}

void ClipboardDocument::place(const QJsonObject& document) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        qCWarning(clipboardLog) << ">> No clipboard to copy to";
        return;
    }
    clipboard->setMimeData(toMimeData(document), QClipboard::Clipboard);
}

QByteArray ClipboardDocument::bytesOf(const QMimeData* data) {
    if (!data)
        return {};
    if (data->hasFormat(mimeType()))
        return data->data(mimeType());
    if (data->hasText())
        return data->text().toUtf8();
    return {};
}

std::optional<QJsonObject> ClipboardDocument::read(const QMimeData* data) {
    const QByteArray bytes = bytesOf(data);
    if (bytes.isEmpty())
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<QJsonArray> ClipboardDocument::listOnClipboard(const QString& listKey) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    const std::optional<QJsonObject> document = read(clipboard->mimeData(QClipboard::Clipboard));
    if (!document)
        return std::nullopt;
    const QJsonValue list = document->value(listKey);
    if (!list.isArray())
        return std::nullopt;
    return list.toArray();
}

bool ClipboardDocument::isDocument(const QMimeData* data) {
    if (!data)
        return false;
    if (data->hasFormat(mimeType()))
        return true;
    if (!data->hasText())
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(data->text().toUtf8());
    const QJsonValue type = document.object().value(QStringLiteral("type"));
    return type.isString() && type.toString().compare(mimeType(), Qt::CaseInsensitive) == 0;
}
