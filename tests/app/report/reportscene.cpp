// The sample report for the screenshots: prints the report of a sample project into
// "sample-report.pdf" and photographs its print preview into "print-preview.png", both in the
// folder given (the temporary folder without one). scripts/screenshot turns the first two
// PDF pages into pictures. Exits with 1 when a file is missing.
#include "printtestsupport.h"
#include "reportfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "printservice.h"
#include "projectdocument.h"

namespace {

// An astronomic model of two channels: the metadata and astro headings on page 1, a channel on
// page 2.
constexpr int SampleModel = ReportFixture::Astro2;

storage::Project sampleProject() {
    storage::Project project(SampleModel, QStringLiteral("Parkhaus Nord, Ebene 1-3"));
    report::fillMetadata(project);
    return project;
}

bool printSample(PrintService& service, const QString& path) {
    service.printer()->setOutputFileName(path);
    ModalAnswer answer(true);
    service.askForPrint(ProjectDocument(sampleProject()).takeDocument(), false);
    return QFileInfo(path).size() > 0;
}

bool photographPreview(PrintService& service, const QString& path) {
    bool saved = false;
    ModalAnswer answer(false, [&](QDialog* dialog) {
        dialog->resize(900, 1000);
        saved = dialog->grab().save(path);
    });
    service.askForPrint(ProjectDocument(sampleProject()).takeDocument(), true);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    ReportFixture catalogue;
    PrintService service;
    const bool printed = printSample(service, QDir(folder).filePath(QStringLiteral("sample-report.pdf")));
    const bool photographed =
        photographPreview(service, QDir(folder).filePath(QStringLiteral("print-preview.png")));
    if (!printed || !photographed) {
        qWarning() << "The sample report was not written:" << printed << photographed;
        return 1;
    }
    return 0;
}
