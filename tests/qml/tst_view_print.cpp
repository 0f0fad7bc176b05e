#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include "exportfiles.h"
#include "maincontroller.h"
#include "printservice.h"
#include "printtestsupport.h"
#include "viewharness.h"

// Printing, the print preview and the CSV export of the open project, started from the
// desktop menu and from the project view's buttons; the print and preview dialogs are
// answered as a user answers them.

namespace {

const int ProjectContentView = 2;
const QString ProjectName = QStringLiteral("Druckprobe");

} // namespace

class TestViewPrint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_harness = std::make_unique<ViewHarness>();
        m_window = m_harness->loadMain();
        QVERIFY(m_window);
        QVERIFY(MainController::instance().createProject(102, ProjectName));
        m_harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        auto* stack = m_window->findChild<QQuickItem*>(QStringLiteral("viewStack"));
        QVERIFY(ViewHarness::waitFor([stack] {
            const auto* view = stack->property("currentItem").value<QQuickItem*>();
            return view && view->property("viewKind").toInt() == ProjectContentView && !stack->property("busy").toBool();
        }));
    }

    void init()
    {
        m_pdfPath = m_folder.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
        PrintService::instance().printer()->setOutputFileName(m_pdfPath);
    }

    void cleanupTestCase()
    {
        ExportFiles::setSaveFileChooser({});
        m_harness.reset();
    }

    void theFileMenuOffersExportAndPrinting()
    {
        const QStringList entries = m_harness->menuActionTexts();
        for (const char* entry : {"Exportieren", "Drucken", "Druckvorschau"})
            QVERIFY2(entries.contains(QLatin1String(entry)), qPrintable(entries.join(u',')));
    }

    void printStarts_data()
    {
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("button");
        QTest::newRow("menu") << "Drucken" << QString();
        QTest::newRow("button") << QString() << "printProjectButton";
    }

    void printStarts()
    {
        QFETCH(QString, menuEntry);
        QFETCH(QString, button);
        ModalAnswer answer(true);
        start(menuEntry, button);
        QVERIFY(ViewHarness::waitFor([&] { return answer.answers() == 1 && QFile::exists(m_pdfPath); }));
        QCOMPARE(pdf::infoLine(m_pdfPath, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
        QVERIFY(pdf::pageTexts(m_pdfPath).join(QString()).contains(ProjectName));
    }

    void aCancelledPrintDialogPrintsNothing()
    {
        ModalAnswer answer(false);
        start(QString(), QStringLiteral("printProjectButton"));
        QVERIFY(ViewHarness::waitFor([&] { return answer.answers() == 1; }));
        QVERIFY(!QFile::exists(m_pdfPath));
        QVERIFY(PrintService::instance().document());
    }

    void previewStarts_data()
    {
        QTest::addColumn<QString>("menuEntry");
        QTest::addColumn<QString>("button");
        QTest::newRow("menu") << "Druckvorschau" << QString();
        QTest::newRow("button") << QString() << "printPreviewButton";
    }

    void previewStarts()
    {
        QFETCH(QString, menuEntry);
        QFETCH(QString, button);
        QString title;
        bool isPreview = false;
        ModalAnswer answer(false, [&](QDialog* dialog) {
            title = dialog->windowTitle();
            isPreview = qobject_cast<QPrintPreviewDialog*>(dialog);
        });
        start(menuEntry, button);
        QVERIFY(ViewHarness::waitFor([&] { return answer.answers() == 1; }));
        QVERIFY(isPreview);
        QCOMPARE(title, QStringLiteral("Druckvorschau"));
        QVERIFY(!QFile::exists(m_pdfPath));
    }

    void exportWritesTheReportAsCsv()
    {
        const QString target = m_folder.filePath(QStringLiteral("Bericht.csv"));
        QString proposed;
        ExportFiles::setSaveFileChooser([&](const QString& suggested) {
            proposed = suggested;
            return target;
        });
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("Exportieren")));
        QVERIFY(ViewHarness::waitFor([&] { return QFile::exists(target); }));
        QVERIFY(proposed.endsWith(ProjectName + QStringLiteral(".csv")));
        QFile written(target);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(written.readAll()).contains(ProjectName));
    }

    void aFailedExportIsReported()
    {
        const QString target = m_folder.filePath(QStringLiteral("missing/Bericht.csv"));
        ExportFiles::setSaveFileChooser([&](const QString&) { return target; });
        QVERIFY(m_harness->triggerMenuAction(QStringLiteral("Exportieren")));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->findPopup(QStringLiteral("errorPopup")); }));
        QVERIFY(m_harness->find(QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(target)));
        QVERIFY(!QFile::exists(target));
        m_harness->evaluate(QStringLiteral("PopUpManager.closeTopPopup()"));
        QVERIFY(ViewHarness::waitFor([this] { return m_harness->openPopups().isEmpty(); }));
    }

private:
    // Starts from the menu entry, or else from the project view's button.
    void start(const QString& menuEntry, const QString& button) const
    {
        if (!menuEntry.isEmpty())
            QVERIFY(m_harness->triggerMenuAction(menuEntry));
        else
            QVERIFY(m_harness->click(m_harness->find(button)));
    }

    std::unique_ptr<ViewHarness> m_harness;
    QQuickWindow* m_window = nullptr;
    QTemporaryDir m_folder;
    QString m_pdfPath;
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TestViewPrint test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_view_print.moc"
