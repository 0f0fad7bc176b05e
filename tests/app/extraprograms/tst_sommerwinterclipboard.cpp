#include "sommerwintertablemodel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

using M = SommerWinterTableModel;

namespace {

const QString MimeType = QStringLiteral("application/vnd.de.zorvik.tarvino.json-data");

QClipboard* clipboard() {
    return QGuiApplication::clipboard();
}

QJsonObject clipboardDocument() {
    return QJsonDocument::fromJson(clipboard()->mimeData()->data(MimeType)).object();
}

void putText(const QByteArray& text) {
    clipboard()->setText(QString::fromUtf8(text));
}

QJsonObject rowObject(int year, const QDate& wiSo, int wiSoHour, const QDate& soWi, int soWiHour,
                      bool enabled) {
    return {{"year", year},         {"wiSoDate", wiSo.toJulianDay()},
            {"wiSoHour", wiSoHour}, {"soWiDate", soWi.toJulianDay()},
            {"soWiHour", soWiHour}, {"enabled", enabled}};
}

QByteArray documentWith(const QJsonArray& dateTimes) {
    return QJsonDocument(QJsonObject{{"document-version", 1}, {"type", MimeType}, {"dateTimes", dateTimes}})
        .toJson();
}

} // namespace

class TestSommerWinterClipboard : public QObject {
    Q_OBJECT

private slots:
    void init() { clipboard()->clear(); }

    void copyWritesSelectedRowsInRowOrder() {
        M model;
        QVERIFY(model.automaticFillIsrael(2008, 2099));
        model.select(21, false);
        model.select(12, true);
        model.select(13, true);
        QSignalSpy copied(&model, &M::hasCopyChanged);
        model.copySelected();
        QCOMPARE(copied.count(), 1);

        const QMimeData* data = clipboard()->mimeData();
        QVERIFY(data->hasFormat(MimeType));
        QCOMPARE(data->text().toUtf8(), data->data(MimeType));
        const QJsonObject document = clipboardDocument();
        QCOMPARE(document.keys(), (QStringList{"dateTimes", "document-version", "type"}));
        QCOMPARE(document.value("document-version").toInt(), 1);
        QCOMPARE(document.value("type").toString(), MimeType);
        const QJsonArray dateTimes = document.value("dateTimes").toArray();
        QCOMPARE(dateTimes.size(), 3);
        QCOMPARE(dateTimes.at(0).toObject(),
                 rowObject(2020, QDate(2020, 3, 27), 2, QDate(2020, 10, 25), 2, true));
        QCOMPARE(dateTimes.at(1).toObject().value("year").toInt(), 2021);
        QCOMPARE(dateTimes.at(2).toObject().value("year").toInt(), 2029);
    }

    void copyWithoutSelectionKeepsTheClipboard() {
        putText("kept");
        M model;
        QSignalSpy copied(&model, &M::hasCopyChanged);
        model.copySelected();
        QCOMPARE(copied.count(), 0);
        QCOMPARE(clipboard()->text(), QStringLiteral("kept"));
    }

    void copiedRowsReadBackUnchanged() {
        M source;
        QVERIFY(source.automaticFill(2008, 2099, 4, QDate(2000, 3, 1), 2, 6, 4, QDate(2000, 10, 1), 2, 6));
        source.selectRange(0, 91);
        source.copySelected();

        M target;
        QVERIFY(target.canPaste());
        QCOMPARE(target.paste(0), 92);
        QCOMPARE(target.dateTimes(), source.dateTimes());
    }

    void pasteKeepsTheTargetRowsYear() {
        M model;
        QVERIFY(model.automaticFillIsrael(2020, 2021));
        model.selectRange(12, 13);
        model.copySelected();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QCOMPARE(model.paste(30), 2);
        QCOMPARE(changed.count(), 1);
        // Rows 30 and 31 stand for 2038 and 2039: the copied days move into those years.
        QCOMPARE(model.at(30), (SoWiDateTime{2038, QDate(2038, 3, 27), 2, QDate(2038, 10, 25), 2, true}));
        QCOMPARE(model.at(31), (SoWiDateTime{2039, QDate(2039, 3, 26), 2, QDate(2039, 10, 31), 2, true}));
        QCOMPARE(model.selectionCount(), 2);
    }

    void pasteALargeDocumentNearTheEnd() {
        QJsonArray dateTimes;
        for (int i = 0; i < 40; ++i)
            dateTimes.append(rowObject(2030 + i, QDate(2030 + i, 4, 2), 5, QDate(2030 + i, 9, 3), 6, true));
        putText(documentWith(dateTimes));
        M model;
        QCOMPARE(model.paste(88), 4);
        for (int row = 88; row < 92; ++row)
            QCOMPARE(model.at(row), (SoWiDateTime{2008 + row, QDate(2008 + row, 4, 2), 5,
                                                  QDate(2008 + row, 9, 3), 6, true}));
        QCOMPARE(model.at(87).enabled, false);
        QCOMPARE(model.paste(92), 0);
        QCOMPARE(model.paste(-1), 0);
    }

    void handWrittenDocument() {
        // Text only, no typed data; members missing, elements that are no objects, a bad hour.
        const QJsonArray dateTimes{
            QJsonObject{{"wiSoDate", QDate(1999, 3, 28).toJulianDay()}, {"enabled", true}}, 42, QJsonObject{},
            QJsonObject{{"wiSoHour", 31}, {"enabled", true}}, QJsonObject{{"soWiHour", 23}}};
        putText(documentWith(dateTimes));
        M model;
        QVERIFY(model.canPaste());
        QCOMPARE(model.paste(2), 3);
        QCOMPARE(model.at(2), (SoWiDateTime{2010, QDate(2010, 3, 28), 0, QDate(2010, 10, 1), 0, true}));
        QCOMPARE(model.at(3), (SoWiDateTime{2011, QDate(2011, 3, 1), 0, QDate(2011, 10, 1), 0, false}));
        // The object with hour 31 is refused and leaves its row alone.
        QCOMPARE(model.at(4), (SoWiDateTime{2012, QDate(2012, 3, 1), 2, QDate(2012, 10, 1), 3, false}));
        QCOMPARE(model.at(5), (SoWiDateTime{2013, QDate(2013, 3, 1), 0, QDate(2013, 10, 1), 23, false}));
    }

    void typedDataComesFirst() {
        auto* data = new QMimeData;
        data->setText(QStringLiteral("not a document"));
        data->setData(MimeType,
                      documentWith({rowObject(2008, QDate(2008, 3, 30), 7, QDate(2008, 10, 26), 8, true)}));
        clipboard()->setMimeData(data);
        M model;
        QVERIFY(model.canPaste());
        QCOMPARE(model.paste(0), 1);
        QCOMPARE(model.at(0).wiSoHour, 7);
    }

    void unreadableClipboard_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not json") << QByteArray("dateTimes");
        QTest::newRow("json array") << QByteArray("[1, 2]");
        QTest::newRow("no list") << QByteArray(R"({"document-version": 1})");
        QTest::newRow("list not an array") << QByteArray(R"({"dateTimes": {"year": 2010}})");
        QTest::newRow("date ranges") << QByteArray(
            R"({"type": "application/vnd.de.zorvik.tarvino.json-data", "dateRanges": []})");
    }

    void unreadableClipboard() {
        QFETCH(QByteArray, text);
        putText(text);
        M model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.canPaste());
        QCOMPARE(model.paste(0), 0);
        QCOMPARE(changed.count(), 0);
    }
};

QTEST_MAIN(TestSommerWinterClipboard)
#include "tst_sommerwinterclipboard.moc"
