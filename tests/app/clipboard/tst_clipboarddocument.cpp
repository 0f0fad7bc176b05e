#include "clipboarddocument.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QMimeData>
#include <QtTest>

#include <memory>

namespace {
const QString MimeType = QStringLiteral("application/vnd.de.zorvik.tarvino.json-data");
const QJsonArray Items{QJsonObject{{"a", 1}}, QJsonObject{{"b", 2}}};

std::unique_ptr<QMimeData> textData(const QByteArray& text) {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromUtf8(text));
    return data;
}
} // namespace

class TestClipboardDocument : public QObject {
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void wrapper() {
        QCOMPARE(ClipboardDocument::mimeType(), MimeType);
        const QJsonObject plain = ClipboardDocument::wrap("dateTimes", Items);
        QCOMPARE(plain, (QJsonObject{{"document-version", 1}, {"type", MimeType}, {"dateTimes", Items}}));

        const QJsonObject withOrigin = ClipboardDocument::wrap("dateRanges", Items, QJsonObject());
        QCOMPARE(withOrigin.value("clipboard"), QJsonValue(QJsonObject()));
        QCOMPARE(withOrigin.value("dateRanges").toArray(), Items);
    }

    void textAndTypedData() {
        const QJsonObject document = ClipboardDocument::wrap("switches", Items, QJsonObject{{"from-day", 2}});
        std::unique_ptr<QMimeData> data(ClipboardDocument::toMimeData(document));
        QVERIFY(data->hasFormat(MimeType));
        QVERIFY(data->hasText());
        QCOMPARE(data->text().toUtf8(), data->data(MimeType));
        QCOMPARE(data->data(MimeType), QJsonDocument(document).toJson(QJsonDocument::Indented));
        QCOMPARE(ClipboardDocument::read(data.get()), document);
    }

    void throughTheClipboard() {
        ClipboardDocument::place(ClipboardDocument::wrap("dateTimes", Items));
        QCOMPARE(ClipboardDocument::listOnClipboard("dateTimes"), Items);
        QVERIFY(!ClipboardDocument::listOnClipboard("switches"));
        QVERIFY(ClipboardDocument::isDocument(QGuiApplication::clipboard()->mimeData()));
    }

    void typedDataBeforeText() {
        QMimeData data;
        data.setText("{\"dateTimes\": 3}");
        data.setData(MimeType, "{\"dateTimes\": []}");
        QCOMPARE(ClipboardDocument::bytesOf(&data), QByteArray("{\"dateTimes\": []}"));
        QVERIFY(ClipboardDocument::bytesOf(nullptr).isEmpty());
    }

    void unreadable_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not json") << QByteArray("{ dateTimes");
        QTest::newRow("array") << QByteArray("[]");
        QTest::newRow("number") << QByteArray("12");
    }

    void unreadable() {
        QFETCH(QByteArray, text);
        const auto data = textData(text);
        QVERIFY(!ClipboardDocument::read(data.get()));
        QVERIFY(!ClipboardDocument::read(nullptr));
    }

    void isDocument_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("document");
        QTest::newRow("our type") << QByteArray(R"({"type": "application/vnd.de.zorvik.tarvino.json-data"})")
                                  << true;
        QTest::newRow("our type in capitals")
            << QByteArray(R"({"type": "APPLICATION/VND.DE.ZORVIK.TARVINO.JSON-DATA"})") << true;
        QTest::newRow("another type") << QByteArray(R"({"type": "text/plain", "dateTimes": []})") << false;
        QTest::newRow("type not a string") << QByteArray(R"({"type": 1})") << false;
        QTest::newRow("plain text") << QByteArray("hello") << false;
    }

    void isDocument() {
        QFETCH(QByteArray, text);
        QFETCH(bool, document);
        const auto data = textData(text);
        QCOMPARE(ClipboardDocument::isDocument(data.get()), document);
        QVERIFY(!ClipboardDocument::isDocument(nullptr));
    }
};

QTEST_MAIN(TestClipboardDocument)
#include "tst_clipboarddocument.moc"
