#include "csvreader.h"
#include "printtestsupport.h"
#include "projectsfixture.h"
#include "reportfixture.h"

#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "exportfiles.h"
#include "astroprojectcontroller.h"
#include "coordinatessettingscontroller.h"
#include "printservice.h"
#include "projectcontroller.h"
#include "projectdocument.h"

#include <countries/countryservice.h>

namespace {

const QString AwkwardName = QStringLiteral("A, \"B\" <b>& d|e");

// The report as the project controller makes it: with the open project's location.
QStringList filledLines(const storage::Project& project, const CoordinatesSettingsController* openLocation = nullptr) {
    QStringList lines;
    for (const QStringList& record : filledRecords(ProjectDocument(project, openLocation).toCsv()))
        lines.append(record.join(u','));
    return lines;
}

QString readUtf8(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// The report of the open project printed and exported through the main controller.
class TestReportPrinting : public QObject {
    Q_OBJECT

private slots:
    void init() {
        countryService = std::make_unique<countries::CountryService>();
        countries::CountryService::m_instance = countryService.get();
        countryService->init();
        projects = std::make_unique<ProjectsFixture>();
        printService = std::make_unique<PrintService>();
        pdfPath = folder.filePath(QStringLiteral("%1.pdf").arg(QTest::currentTestFunction()));
        printService->printer()->setOutputFileName(pdfPath);
    }
    void cleanup() {
        ExportFiles::setSaveFileChooser({});
        printService.reset();
        projects.reset();
        countryService.reset();
    }

    // The open project's location is what its coordinates controller shows.
    void astroSectionOfTheOpenProjectReadsItsCoordinates() {
        auto* open = qobject_cast<AstroProjectController*>(openProject(ReportFixture::Astro2));
        QVERIFY(open);
        CoordinatesSettingsController* coordinates = open->coordinatesController();
        QVERIFY(!coordinates->cityName().isEmpty());
        const QStringList lines = filledLines(open->project(), open->openLocation());
        QVERIFY(lines.contains(QStringLiteral("Land,%1").arg(coordinates->countryName())));
        QVERIFY(lines.contains(QStringLiteral("Stadt,%1").arg(coordinates->cityName())));
        QVERIFY(lines.contains(QStringLiteral("Länderliste,Aktiv")));
    }

    // Another project is matched from its own coordinates and city key, and nothing changes.
    void astroSectionOfAnotherProjectShowsItsOwnCity() {
        auto* open = qobject_cast<AstroProjectController*>(openProject(ReportFixture::Astro2));
        QVERIFY(open);
        CoordinatesSettingsController* coordinates = open->coordinatesController();
        const QString openCity = coordinates->cityName();
        const double openLatitude = coordinates->latitude();
        QVERIFY(openCity != QLatin1String("Berlin"));

        storage::AstroProject other(storage::Project(ReportFixture::Astro2, QStringLiteral("Berlin")));
        other.setLatitude(52.520008);
        other.setLongitude(13.41053);
        other.setTimezone(13);
        other.setFirstChar(66);
        other.setChecksum(188);
        QVERIFY(projects->storageService->save());
        QVERIFY(!projects->storageService->isDirty());
        const QStringList lines = filledLines(other);
        QVERIFY(!projects->storageService->isDirty());
        QVERIFY(lines.contains(QStringLiteral("Land,Deutschland")));
        QVERIFY(lines.contains(QStringLiteral("Stadt,Berlin")));
        QCOMPARE(other.latitude(), 52.520008);
        QCOMPARE(other.checksum(), 188);
        QCOMPARE(coordinates->cityName(), openCity);
        QCOMPARE(coordinates->latitude(), openLatitude);
        // Reporting the open project changes nothing either.
        filledLines(open->project(), open->openLocation());
        QVERIFY(!projects->storageService->isDirty());
    }

    void nothingHappensWithoutAnOpenProject() {
        bool asked = false;
        ExportFiles::setSaveFileChooser([&](const QString&) {
            asked = true;
            return folder.filePath(QStringLiteral("none.csv"));
        });
        ModalAnswer answer(true);
        projects->mainController->printDocument(false);
        projects->mainController->printDocument(true);
        QVERIFY(!projects->mainController->csvExport());
        QCOMPARE(answer.answers(), 0);
        QVERIFY(!asked);
        QVERIFY(!printService->document());
    }

    void printedReportHasEveryPageWithHeaderAndFooter() {
        openProject(ReportFixture::Weekly8);
        ModalAnswer answer(true);
        projects->mainController->printDocument(false);
        QCOMPARE(answer.answers(), 1);
        QCOMPARE(pdf::infoLine(pdfPath, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));
        // The metadata share page 1; each of the eight channels and the settings have a page.
        const QStringList pages = pdf::pageTexts(pdfPath);
        QCOMPARE(pages.size(), 10);
        for (int page = 1; page <= pages.size(); ++page) {
            const QString& text = pages.at(page - 1);
            QVERIFY2(text.contains(QLatin1String("TARVINO rix2/rix3")), qPrintable(text));
            QVERIFY(text.contains(QLatin1String("Zorvik AG")));
            QVERIFY2(text.contains(QStringLiteral("Page %1 of 10").arg(page)), qPrintable(text));
        }
        QVERIFY(pages.at(0).contains(QLatin1String("Projekt")));
        QVERIFY(pages.at(0).contains(QLatin1String("Ersteller")));
        for (int channel = 1; channel <= 8; ++channel)
            QVERIFY(pages.at(channel).contains(QStringLiteral("Kanal %1").arg(channel)));
        QVERIFY(pages.at(9).contains(QStringLiteral("Einstellungen Gerät")));
        // The report lives on in the print service.
        QVERIFY(printService->document());
    }

    void userTextsPrintAsTyped() {
        ProjectController* project = openProject(ReportFixture::Weekly4);
        storage::Project record = project->project();
        record.setProjectTitle(QStringLiteral("X <y> & z"));
        record.setClientAddress(QStringLiteral("Am Markt 1\n12345 Musterstadt"));
        ModalAnswer answer(true);
        projects->mainController->printDocument(false);
        const QString first = pdf::pageTexts(pdfPath).value(0);
        QVERIFY2(first.contains(AwkwardName), qPrintable(first));
        QVERIFY(first.contains(QLatin1String("X <y> & z")));
        // The address keeps its two lines.
        const qsizetype street = first.indexOf(QLatin1String("Am Markt 1"));
        const qsizetype town = first.indexOf(QLatin1String("12345 Musterstadt"));
        QVERIFY(street >= 0 && town > street);
        QVERIFY(first.mid(street, town - street).contains(u'\n'));
    }

    void previewShowsTheReport() {
        openProject(ReportFixture::Weekly8);
        int pages = 0;
        ModalAnswer answer(false, [&](QDialog* dialog) {
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
                pages = preview->pageCount();
        });
        projects->mainController->printDocument(true);
        QCOMPARE(answer.answers(), 1);
        QCOMPARE(pages, 10);
        QVERIFY(!QFile::exists(pdfPath));
    }

    void csvExportWritesTheReport() {
        openProject(ReportFixture::Weekly4);
        QString suggested;
        const QString path = folder.filePath(QStringLiteral("report.csv"));
        ExportFiles::setSaveFileChooser([&](const QString& proposed) {
            suggested = proposed;
            return path;
        });
        QSignalSpy failed(projects->mainController.get(), &MainController::writeFailed);
        QVERIFY(projects->mainController->csvExport());
        QCOMPARE(failed.count(), 0);
        QVERIFY(suggested.endsWith(QStringLiteral("/%1.csv").arg(AwkwardName)));

        const QList<QStringList> records = filledRecords(readUtf8(path));
        QVERIFY(records.contains(QStringList({QStringLiteral("Dateiname:"), AwkwardName})));
        QVERIFY(records.contains(
            QStringList({QStringLiteral("Gerät:"), QStringLiteral("Tarvino Rix2 Weekly 4")})));
        QVERIFY(records.contains(QStringList({QStringLiteral("Kanal 4")})));
    }

    void cancelledCsvExportWritesNothing() {
        openProject(ReportFixture::Weekly4);
        int asked = 0;
        ExportFiles::setSaveFileChooser([&](const QString&) {
            ++asked;
            return QString();
        });
        const QStringList before = QDir(folder.path()).entryList();
        QSignalSpy failed(projects->mainController.get(), &MainController::writeFailed);
        QVERIFY(!projects->mainController->csvExport());
        QCOMPARE(asked, 1);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(QDir(folder.path()).entryList(), before);
    }

    void failedCsvExportIsReported() {
        openProject(ReportFixture::Weekly4);
        const QString path = folder.filePath(QStringLiteral("missing/folder/report.csv"));
        ExportFiles::setSaveFileChooser([&](const QString&) { return path; });
        QSignalSpy failed(projects->mainController.get(), &MainController::writeFailed);
        QTest::ignoreMessage(
            QtWarningMsg,
            QRegularExpression(QStringLiteral("^>> Couldn't save csv export at %1, error code: \\d+ - .+")
                                   .arg(QRegularExpression::escape(path))));
        QVERIFY(!projects->mainController->csvExport());
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), path);
        QVERIFY(!QFile::exists(path));
    }

private:
    ProjectController* openProject(int model) {
        if (!projects->mainController->createProject(model, AwkwardName))
            return nullptr;
        return projects->mainController->currentProject();
    }

    QTemporaryDir folder;
    QString pdfPath;
    std::unique_ptr<countries::CountryService> countryService;
    std::unique_ptr<ProjectsFixture> projects;
    std::unique_ptr<PrintService> printService;
};

QTEST_MAIN(TestReportPrinting)
#include "tst_reportprinting.moc"
