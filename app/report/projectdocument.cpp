#include "projectdocument.h"

#include "reportlogging.h"
#include "reporttexts.h"

#include <QCoreApplication>

#include <devices/deviceservice.h>

namespace {

const QString MetadataWidth = QStringLiteral("50%");

devices::Device deviceOf(const storage::Project& project) {
    if (!devices::DeviceService::hasInstance()) {
        qCWarning(reportLog) << ">> No device catalogue for the report of model" << project.device();
        return {};
    }
    const devices::Device device = devices::DeviceService::instance().deviceByOt2Number(project.device());
    if (!device.isValid())
        qCWarning(reportLog) << ">> The report of the unknown model" << project.device()
                             << "holds the project data only";
    return device;
}

QString heading(const QString& title) {
    return QStringLiteral("<h1>%1</h1>").arg(DocumentTemplate::htmlText(title));
}

// A bold label of context "Export" and the user's text as it stands.
QStringList labelled(const QString& label, const QString& value) {
    return {QStringLiteral("<b>%1</b>")
                .arg(DocumentTemplate::htmlText(label)),
            DocumentTemplate::htmlText(value)};
}

} // namespace

ProjectDocument::ProjectDocument(const storage::Project& project, const CoordinatesSettingsController* openLocation)
    : m_project(project)
    , m_openLocation(openLocation)
    , m_astroProject(project)
    , m_device(deviceOf(project)) {
    layout();
    writeMetadata();
    if (!m_device.isValid())
        return;
    if (hasAstroSection())
        writeAstroSettings();
    writeChannels();
    parseSettings();
}

ProjectDocument::~ProjectDocument() = default;

bool ProjectDocument::hasAstroSection() const {
    return m_device.isAstro() || m_device.canSelectChannelType();
}

void ProjectDocument::layout() {
    mainCursor().insertHtml(QStringLiteral("<html><head><head></head><body>"));
    insertSection(QStringLiteral("project"), QTextFormat::PageBreak_Auto)
        .insertHtml(heading(QCoreApplication::translate("Menus", "Projekt")));
    insertSection(QStringLiteral("customer"), QTextFormat::PageBreak_Auto)
        .insertHtml(heading(QCoreApplication::translate("Project Settings", "Kunde", "Tab title")));
    insertSection(QStringLiteral("creator"), QTextFormat::PageBreak_Auto)
        .insertHtml(heading(QCoreApplication::translate("Export", "Ersteller")));
    if (m_device.isValid()) {
        if (hasAstroSection())
            insertSection(QStringLiteral("astro"), QTextFormat::PageBreak_Auto)
                .insertHtml(heading(QCoreApplication::translate("Export", "Astro")));
        for (int channel = 0; channel < m_device.kanals(); ++channel)
            insertSection(QStringLiteral("channel%1").arg(channel), QTextFormat::PageBreak_AlwaysBefore)
                .insertHtml(
                    QStringLiteral("%1<br />")
                        .arg(heading(QCoreApplication::translate("Export", "Kanal %1").arg(channel + 1))));
        insertSection(QStringLiteral("settings"), QTextFormat::PageBreak_AlwaysBefore)
            .insertHtml(
                heading(QCoreApplication::translate("Edit project", "Einstellungen Gerät", "Tab title")));
    }
    mainCursor().insertHtml(QStringLiteral("</body></html>"));
}

void ProjectDocument::writeMetadata() {
    const Styles none;
    insertTable(sectionCursor(QStringLiteral("project"), true),
                {labelled(trText("Export", "Titel:"), m_project.projectTitle()),
                 labelled(trText("Export", "Beschreibung:"), m_project.projectDesc()), labelled(trText("Export", "Gerät:"), m_device.name()),
                 labelled(trText("Export", "Dateiname:"), m_project.name())},
                MetadataWidth, none, QString(), false);
    insertTable(sectionCursor(QStringLiteral("customer"), true),
                {labelled(trText("Export", "Name:"), m_project.clientName()), labelled(trText("Export", "Adresse:"), m_project.clientAddress())},
                MetadataWidth, none, QString(), false);
    insertTable(sectionCursor(QStringLiteral("creator"), true),
                {labelled(trText("Export", "Name:"), m_project.authorName()), labelled(trText("Export", "Adresse:"), m_project.authorAddress())},
                MetadataWidth, none, QString(), false);
}

void ProjectDocument::appendTable(QTextCursor& cursor, const QList<QStringList>& rows, const QString& width,
                                  const Styles& styles, const QString& head, bool alternate) {
    reporttext::toSectionEnd(cursor);
    insertTable(cursor, rows, width, styles, head, alternate);
    reporttext::toSectionEnd(cursor);
}

QString ProjectDocument::formatDate(const QDate& date, bool withYear) const {
    switch (m_project.dateFormat()) {
    case 1:
        return date.toString(withYear ? QStringLiteral("MM/dd/yyyy") : QStringLiteral("MM/dd"));
    case 2:
        return date.toString(withYear ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("MM-dd"));
    default:
        return date.toString(withYear ? QStringLiteral("dd.MM.yyyy") : QStringLiteral("dd.MM"));
    }
}

QString ProjectDocument::formatDateTime(const QDateTime& dateTime, bool withYear) const {
    // Not through QDateTime: it formats a local time that the clock skips as an empty text.
    return formatDate(dateTime.date(), withYear);
}

QString ProjectDocument::formatTime(const QDateTime& dateTime, bool withSeconds) const {
    return dateTime.time().toString(withSeconds ? QStringLiteral("hh:mm:ss") : QStringLiteral("hh:mm"));
}
