#include "yearlyastrodocument.h"

#include "reporttexts.h"
#include "trfunctions.h"

#include <QCoreApplication>

namespace {

constexpr int MonthsPerTable = 6;

using reporttext::bold;

QString degrees(double value) {
    return QString::number(value, 'g', 6) + QChar(0x00B0);
}

QString minutes(int value) {
    return QStringLiteral("%1 min").arg(value);
}

const char* const MonthNames[] = {
    QT_TRANSLATE_NOOP("Generic", "Januar"),    QT_TRANSLATE_NOOP("Generic", "Februar"),
    QT_TRANSLATE_NOOP("Generic", "März"),      QT_TRANSLATE_NOOP("Generic", "April"),
    QT_TRANSLATE_NOOP("Generic", "Mai"),       QT_TRANSLATE_NOOP("Generic", "Juni"),
    QT_TRANSLATE_NOOP("Generic", "Juli"),      QT_TRANSLATE_NOOP("Generic", "August"),
    QT_TRANSLATE_NOOP("Generic", "September"), QT_TRANSLATE_NOOP("Generic", "Oktober"),
    QT_TRANSLATE_NOOP("Generic", "November"),  QT_TRANSLATE_NOOP("Generic", "Dezember"),
};

} // namespace

YearlyAstroDocument::YearlyAstroDocument(const YearlyAstroTableModel& model,
                                         const YearlyAstroTableModel::Heading& heading)
    : m_model(model)
    , m_heading(heading) {
    layout();
    writeLocation();
    writeMonths(1);
    writeMonths(1 + MonthsPerTable);
}

YearlyAstroDocument::~YearlyAstroDocument() = default;

void YearlyAstroDocument::layout() {
    mainCursor().insertHtml(QStringLiteral("<html><head><title>help</title></head><body>"));
    insertSection(QStringLiteral("location"), QTextFormat::PageBreak_Auto)
        .insertHtml(
            QStringLiteral("<div style=\"font-size:12pt;\">%1</div>").arg(bold(trText("Astro settings", "Astrotabelle"))));
    insertSection(QStringLiteral("months"), QTextFormat::PageBreak_Auto);
}

void YearlyAstroDocument::writeLocation() {
    const QString channel = QStringLiteral("%1 %2")
                                .arg(QCoreApplication::translate("Project Metadata", "Kanal"))
                                .arg(m_heading.channelNumber);
    const QList<QStringList> rows{
        {bold(trText("Astro", "Standort"))},
        {trText("Astro", "Breitengrad"), degrees(m_heading.latitude)},
        {trText("Astro", "Längengrad"), degrees(m_heading.longitude)},
        {trText("Astro", "Land"), htmlText(m_heading.country)},
        {trText("Astro", "Stadt"), htmlText(m_heading.city)},
        {trText("Astro", "Zeitzone"), htmlText(m_heading.zone)},
        {QCoreApplication::translate("Program settings", "Sommer-/Winterregel"), htmlText(m_heading.rule)},
        {QString(), bold(trText("Astro settings", "Sonnenaufgang")), bold(trText("Astro settings", "Sonnenuntergang"))},
        {trText("Astro settings", "frühestens"), m_model.earliestSunrise(), m_model.earliestSunset()},
        {trText("Astro settings", "spätestens"), m_model.latestSunrise(), m_model.latestSunset()},
        {bold(channel), bold(trText("Astro", "Ausschaltzeit")), bold(trText("Astro", "Einschaltzeit"))},
        {trText("Astro settings", "frühestens"), m_model.earliestSunriseWithOffset(), m_model.earliestSunsetWithOffset()},
        {trText("Astro settings", "spätestens"), m_model.latestSunriseWithOffset(), m_model.latestSunsetWithOffset()},
        {trText("Astro settings", "Offset"), minutes(m_heading.offsetSunrise), minutes(m_heading.offsetSunset)},
    };
    const Styles styles{{QStringLiteral("td"), QStringLiteral("font-size:7.5pt; padding-right:10px;")}};
    insertTable(sectionCursor(QStringLiteral("location"), true), rows, QStringLiteral("70%"), styles, {},
                false);
}

void YearlyAstroDocument::writeMonths(int firstMonth) {
    QString head = QStringLiteral("<tr style=\"background-color:#d3d3d3; font-size:5pt;\"><td></td>");
    for (int month = firstMonth; month < firstMonth + MonthsPerTable; ++month)
        head +=
            QStringLiteral("<td>%1</td>").arg(QCoreApplication::translate("Generic", MonthNames[month - 1]));
    head += QLatin1String("</tr>");
    QList<QStringList> rows;
    for (int day = 1; day <= YearlyAstroTableModel::DayRows; ++day) {
        QStringList row{QString::number(day)};
        for (int month = firstMonth; month < firstMonth + MonthsPerTable; ++month)
            row.append(m_model.dayExists(month, day) ? m_model.cellText(month, day, QStringLiteral(" - "))
                                                     : QString());
        rows.append(row);
    }
    const Styles styles{
        {QStringLiteral("table"), QStringLiteral("border-collapse:collapse; margin-bottom:20px;")},
        {QStringLiteral("td"),
         QStringLiteral("font-size:5pt; padding-left:5px; padding-right:5px; border:1px solid black;")},
    };
    insertTable(sectionCursor(QStringLiteral("months"), true), rows, QStringLiteral("100%"), styles, head,
                false);
}
