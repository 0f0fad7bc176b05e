#include <devices/deviceservice.h>
#include <quopral/devicelanguagelist.h>
#include <quopral/languageperdevice.h>
#include <quopral/quopralservice.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using quopral::DeviceLanguageList;
using quopral::LanguagePerDevice;

namespace {

QStringList warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && QByteArray(context.category) == "quopral")
        warnings.append(message);
}

const QString Rix2 = QStringLiteral("Tarvino Rix2 Weekly 2");
const QString Rix1 = QStringLiteral("Tarvino Rix1 Weekly 1");
const QString Rix3 = QStringLiteral("Tarvino Rix3 Astro 1");

} // namespace

class TestDeviceLanguageList : public QObject {
    Q_OBJECT

    devices::DeviceService catalogue;
    QTemporaryDir folder;

    void put(const QString& name)
    {
        const QString path = folder.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("04001122aabb"));
    }

    static QStringList column(const QAbstractItemModel& model, int role)
    {
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row)
            values.append(model.index(row, 0).data(role).toString());
        return values;
    }

private slots:
    void initTestCase()
    {
        devices::DeviceService::m_instance = &catalogue;
        QVERIFY(catalogue.init(QStringLiteral(":/data/devices.json")));
        QVERIFY(folder.isValid());
        put(QStringLiteral("de_TVRIX2WEEKLY2.txs"));
        put(QStringLiteral("fr_tvrix2weekly2.txs"));
        put(QStringLiteral("fr_TVRIX1WEEKLY1_old.txs"));
        put(QStringLiteral("models/rix3/en_TVRIX3ASTRO1.txs"));
        put(QStringLiteral("de_X1.txs"));
        put(QStringLiteral("de.txs"));
        put(QStringLiteral("de_TVRIX2WEEKLY1.txt"));
    }

    void listsTheFilesOfKnownModels()
    {
        DeviceLanguageList list(QDir(folder.path()));
        QCOMPARE(list.rowCount(), 0);
        QSignalSpy names(&list, &DeviceLanguageList::availableDeviceNamesChanged);
        warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
        list.initialize();
        qInstallMessageHandler(previous);

        // Only the unknown identifier is worth a warning; "de.txs" has no identifier at all.
        QCOMPARE(warnings, QStringList{QStringLiteral(
                               "Cannot match language file identifier X1 with device name () or ot2 number (0)")});
        QCOMPARE(names.size(), 1);
        QCOMPARE(list.rowCount(), 4);
        // Two files of one model give one name; the subfolder is scanned.
        QCOMPARE(list.availableDeviceNames(), (QStringList{Rix2, Rix1, Rix3}));
        QCOMPARE(column(list, DeviceLanguageList::DeviceNameRole), (QStringList{Rix2, Rix1, Rix2, Rix3}));
        QCOMPARE(column(list, DeviceLanguageList::DeviceLanguageRole),
                 (QStringList{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("fr"), QStringLiteral("en")}));

        // "fr_X_old.txs": language fr, identifier X, the rest of the name ignored.
        const auto old = list.index(1, 0).data(DeviceLanguageList::DeviceLanguageStructRole).value<DeviceLanguageList::DeviceLanguage>();
        QCOMPARE(old.language, QStringLiteral("fr"));
        QCOMPARE(old.languageFileIdentifier, QStringLiteral("TVRIX1WEEKLY1"));
        QCOMPARE(old.ot2, 11);
        QCOMPARE(old.deviceName, Rix1);
        QCOMPARE(old.filePath, folder.filePath(QStringLiteral("fr_TVRIX1WEEKLY1_old.txs")));
        QCOMPARE(list.index(4, 0).data(DeviceLanguageList::DeviceNameRole), QVariant());
        QCOMPARE(list.index(0, 0).data(Qt::DisplayRole), QVariant());
    }

    void filesOfOneLanguageInTwoSubfoldersShowTheirSubfolder()
    {
        QTemporaryDir twoCopies;
        for (const QString& name : {QStringLiteral("de_TVRIX2WEEKLY2.txs"), QStringLiteral("old/de_TVRIX2WEEKLY2.txs"),
                                    QStringLiteral("new/de_TVRIX2WEEKLY2.txs"), QStringLiteral("new/fr_TVRIX2WEEKLY2.txs"),
                                    QStringLiteral("old/de_TVRIX1WEEKLY1.txs")}) {
            QDir().mkpath(QFileInfo(twoCopies.filePath(name)).path());
            QFile file(twoCopies.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        DeviceLanguageList list(QDir(twoCopies.path()));
        list.initialize();
        QCOMPARE(column(list, DeviceLanguageList::DeviceNameRole), (QStringList{Rix2, Rix2, Rix2, Rix1, Rix2}));
        QCOMPARE(column(list, DeviceLanguageList::DeviceLanguageRole),
                 (QStringList{QStringLiteral("de"), QStringLiteral("de (new)"), QStringLiteral("fr"),
                              QStringLiteral("de"), QStringLiteral("de (old)")}));
    }

    void aSecondScanAddsOnlyNewFiles()
    {
        DeviceLanguageList list(QDir(folder.path()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("identifier X1")));
        list.initialize();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("identifier X1")));
        list.initialize();
        QCOMPARE(list.rowCount(), 4);
        QCOMPARE(list.availableDeviceNames().size(), 3);

        QTemporaryDir other;
        DeviceLanguageList growing(QDir(other.path()));
        growing.initialize();
        QCOMPARE(growing.rowCount(), 0);
        QFile file(other.filePath(QStringLiteral("it_TVRIX2WEEKLY2.txs")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        growing.initialize();
        growing.initialize();
        QCOMPARE(growing.rowCount(), 1);
        QCOMPARE(growing.availableDeviceNames(), QStringList{Rix2});
    }

    void aMissingFolderListsNothing()
    {
        DeviceLanguageList list(QDir(folder.filePath(QStringLiteral("nowhere"))));
        list.initialize();
        QCOMPARE(list.rowCount(), 0);
        QVERIFY(list.availableDeviceNames().isEmpty());
    }

    void theFilterShowsTheChosenModel()
    {
        DeviceLanguageList list(QDir(folder.path()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("identifier X1")));
        list.initialize();
        LanguagePerDevice filter(&list);
        QSignalSpy changed(&filter, &LanguagePerDevice::selectedDeviceNameChanged);
        QCOMPARE(filter.rowCount(), 0);

        filter.setSelectedDeviceName(Rix2);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(column(filter, DeviceLanguageList::DeviceLanguageRole), (QStringList{QStringLiteral("de"), QStringLiteral("fr")}));
        filter.setSelectedDeviceName(Rix2);
        QCOMPARE(changed.size(), 1);

        filter.setSelectedDeviceName(Rix2.toUpper());
        QCOMPARE(filter.rowCount(), 0);
        filter.setSelectedDeviceName(Rix3);
        QCOMPARE(column(filter, DeviceLanguageList::DeviceLanguageRole), QStringList{QStringLiteral("en")});
        filter.setSelectedDeviceName(QString());
        QCOMPARE(filter.rowCount(), 0);
        QCOMPARE(changed.size(), 4);
    }

    void theServiceListsItsFolderOnce()
    {
        qputenv(quopral::QuopralService::FolderVariable, folder.path().toLocal8Bit());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("identifier X1")));
        quopral::QuopralService service;
        qunsetenv(quopral::QuopralService::FolderVariable);
        QCOMPARE(service.deviceLanguageList()->rowCount(), 4);
        QCOMPARE(service.languagePerDevice()->sourceModel(), service.deviceLanguageList());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("identifier X1")));
        service.initialize();
        QCOMPARE(service.deviceLanguageList()->rowCount(), 4);
    }

    void theDefaultFolderIsDeviceLang()
    {
        QTemporaryDir working;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(working.path()));
        QDir().mkpath(QStringLiteral("device-lang"));
        QFile file(QStringLiteral("device-lang/nl_TVRIX3ASTRO1.txs"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        quopral::QuopralService service;
        QDir::setCurrent(before);
        QCOMPARE(service.deviceLanguageList()->availableDeviceNames(), QStringList{Rix3});
    }
};

QTEST_MAIN(TestDeviceLanguageList)
#include "tst_devicelanguagelist.moc"
