// The sample reports for the screenshots: prints the report of an astronomic sample project into
// "astro-report.pdf" and of a twilight one into "twilight-report.pdf", and photographs the print
// preview of the astronomic one into "print-preview.png", all in the folder given (the temporary
// folder without one). scripts/screenshot turns the PDF pages into pictures. Exits with 1 when a
// file is missing.
#include "printtestsupport.h"
#include "reportprojects.h"
#include "reportservices.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "printservice.h"
#include "projectdocument.h"

#include <storage/channelsetting.h>

namespace {

// An astronomic model of two channels in Sydney: the metadata and astro data on page 1, the
// astronomic channel on page 2.
storage::Project astroSample() {
    storage::Project project = reportprojects::astroProject(ReportFixture::Astro2, -33.86785, 151.20732, 27);
    storage::AstroProject(project).setFirstChar(83);
    storage::AstroProject(project).setChecksum(220);
    project.rename(QStringLiteral("Parkhaus Nord, Ebene 1-3"));
    report::fillMetadata(project);
    return project;
}

// A twilight model with light values per weekday and a holiday period.
storage::Project twilightSample() {
    storage::Project project = reportprojects::twilightProject(74);
    report::fillMetadata(project);
    project.setProjectTitle(QStringLiteral("Schaufensterbeleuchtung"));
    const auto setting = project.setting(0);
    setting->setHolidayStatus(1);
    setting->setHolidayBegin(reportprojects::wallClock(2026, 12, 24, 12, 0));
    setting->setHolidayEnd(reportprojects::wallClock(2027, 1, 6, 6, 0));
    return project;
}

bool printSample(PrintService& service, const storage::Project& project, const QString& path) {
    service.printer()->setOutputFileName(path);
    ModalAnswer answer(true);
    service.askForPrint(ProjectDocument(project).takeDocument(), false);
    return QFileInfo(path).size() > 0;
}

bool photographPreview(PrintService& service, const QString& path) {
    bool saved = false;
    ModalAnswer answer(false, [&](QDialog* dialog) {
        dialog->resize(900, 1000);
        saved = dialog->grab().save(path);
    });
    service.askForPrint(ProjectDocument(astroSample()).takeDocument(), true);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath());
    ReportServices services;
    PrintService service;
    const bool astro =
        printSample(service, astroSample(), folder.filePath(QStringLiteral("astro-report.pdf")));
    const bool twilight =
        printSample(service, twilightSample(), folder.filePath(QStringLiteral("twilight-report.pdf")));
    const bool photographed =
        photographPreview(service, folder.filePath(QStringLiteral("print-preview.png")));
    if (!astro || !twilight || !photographed) {
        qWarning() << "The sample reports were not written:" << astro << twilight << photographed;
        return 1;
    }
    return 0;
}
