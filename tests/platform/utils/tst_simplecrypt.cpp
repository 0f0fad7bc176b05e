#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <utils/simplecrypt.h>

using utils::SimpleCrypt;

namespace {

constexpr quint64 Key = 0x3c81e7d04a9b62fULL;
const QRegularExpression DamagedWarning(QStringLiteral("damaged"));

QByteArray decoded(const QString& stored)
{
    return QByteArray::fromBase64(stored.toLatin1());
}

QString encoded(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

} // namespace

class TestSimpleCrypt : public QObject {
    Q_OBJECT

private slots:
    void textsComeBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("one letter") << QStringLiteral("a");
        QTest::newRow("e-mail") << QStringLiteral("anna@example.com");
        QTest::newRow("exactly one word") << QStringLiteral("12345678");
        QTest::newRow("umlauts and euro") << QStringLiteral("Passwört € ß");
        QTest::newRow("outside the BMP") << QStringLiteral("Schlüssel \U0001F511");
        QTest::newRow("blanks and line breaks") << QStringLiteral("  a\nb\tc  ");
        QTest::newRow("nul character") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
        QTest::newRow("long") << QString(5000, QLatin1Char('x'));
    }
    void textsComeBack()
    {
        QFETCH(QString, text);
        QTest::failOnWarning(DamagedWarning);
        const QString stored = SimpleCrypt(Key).encryptToString(text);
        QVERIFY(!stored.isEmpty());
        // Another object with the same key, as the next run of the program would make it.
        QCOMPARE(SimpleCrypt(Key).decryptToString(stored), text);
    }

    void equalTextsGiveDifferentStoredTexts()
    {
        const SimpleCrypt crypt(Key);
        QSet<QString> stored;
        for (int i = 0; i < 200; ++i)
            stored.insert(crypt.encryptToString(QStringLiteral("Geheim-42!")));
        QCOMPARE(stored.size(), 200);
        // Not only the salt differs: the scrambled bytes do too.
        QSet<QByteArray> bodies;
        for (const QString& text : stored)
            bodies.insert(decoded(text).mid(8, 10));
        QCOMPARE(bodies.size(), 200);
    }

    void storedTextShowsNothingOfTheText()
    {
        const QString secret = QStringLiteral("Geheim-42!Geheim-42!Geheim-42!");
        const QByteArray utf8 = secret.toUtf8();
        for (int i = 0; i < 50; ++i) {
            const QString stored = SimpleCrypt(Key).encryptToString(secret);
            const QByteArray bytes = decoded(stored);
            QVERIFY(!stored.contains(QStringLiteral("Geheim")));
            QVERIFY(!bytes.contains("Geheim"));
            QVERIFY(!stored.contains(QString::fromLatin1(QByteArray("Geheim-42!").toBase64().left(8))));
            QVERIFY(!stored.contains(QString::fromLatin1(utf8.toHex().left(8)), Qt::CaseInsensitive));
            // A repeating text gives no repeating scrambled bytes.
            QVERIFY(bytes.mid(8, 10) != bytes.mid(18, 10));
        }
    }

    void emptyStoredTextReadsEmptyWithoutWarning()
    {
        QTest::failOnWarning(DamagedWarning);
        QCOMPARE(SimpleCrypt(Key).decryptToString(QString()), QString());
    }

    void anotherKeyReadsNothing()
    {
        const QString stored = SimpleCrypt(Key).encryptToString(QStringLiteral("anna@example.com"));
        QTest::ignoreMessage(QtWarningMsg, DamagedWarning);
        QCOMPARE(SimpleCrypt(Key ^ 1).decryptToString(stored), QString());
    }

    void everyChangedByteIsNoticed()
    {
        const QByteArray bytes = decoded(SimpleCrypt(Key).encryptToString(QStringLiteral("Passwört")));
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            for (const char flip : {'\x01', '\x80', '\xff'}) {
                QByteArray damaged = bytes;
                damaged[i] = char(damaged.at(i) ^ flip);
                QTest::ignoreMessage(QtWarningMsg, DamagedWarning);
                QVERIFY2(SimpleCrypt(Key).decryptToString(encoded(damaged)).isEmpty(), qPrintable(QString::number(i)));
            }
        }
    }

    void cutOrLengthenedTextsAreNoticed()
    {
        const QByteArray bytes = decoded(SimpleCrypt(Key).encryptToString(QStringLiteral("Passwört")));
        for (qsizetype length = 1; length < bytes.size(); ++length) {
            QTest::ignoreMessage(QtWarningMsg, DamagedWarning);
            QVERIFY(SimpleCrypt(Key).decryptToString(encoded(bytes.left(length))).isEmpty());
        }
        QTest::ignoreMessage(QtWarningMsg, DamagedWarning);
        QVERIFY(SimpleCrypt(Key).decryptToString(encoded(bytes + 'x')).isEmpty());
    }

    void textsThatAreNoStoredFormAreNoticed_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("clear text") << QStringLiteral("anna@example.com");
        QTest::newRow("not Base64") << QStringLiteral("%%%%====");
        QTest::newRow("non-Latin-1") << QStringLiteral("ÄÖÜ\u20ac\u20ac\u20ac\u20ac\u20ac");
        QTest::newRow("Base64 of the clear text") << encoded("Geheim-42!Geheim-42!");
        QTest::newRow("too short") << encoded("12345678");
    }
    void textsThatAreNoStoredFormAreNoticed()
    {
        QFETCH(QString, stored);
        QTest::ignoreMessage(QtWarningMsg, DamagedWarning);
        QCOMPARE(SimpleCrypt(Key).decryptToString(stored), QString());
    }
};

QTEST_MAIN(TestSimpleCrypt)
#include "tst_simplecrypt.moc"
