#include "yearlyastrotablemodel.h"

#include "tarvinologging.h"
#include "calendarsettings.h"
#include "exportfiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QSaveFile>
#include <QTextStream>
#include <QTime>

namespace {

QString field(const QString& text) {
    return ExportFiles::csvField(text) + QLatin1Char(',');
}

QString degrees(double value) {
    return QString::number(value, 'g', 6) + QChar(0x00B0);
}

} // namespace

YearlyAstroTableModel::YearlyAstroTableModel(const YearlyAstroOwner* owner, QObject* parent)
    : QAbstractTableModel(parent)
    , m_roleNames{{Qt::DisplayRole, QByteArrayLiteral("display")}}
    , m_owner(owner)
    , m_calendar(QCalendar::System::Gregorian)
    , m_year(QDate::currentDate().year()) {
    updateMonthLengths();
    updateAstroValues();
}

YearlyAstroTableModel::~YearlyAstroTableModel() = default;

int YearlyAstroTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : DayRows;
}

int YearlyAstroTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : MonthColumns;
}

bool YearlyAstroTableModel::dayExists(int month, int day) const {
    return day <= m_monthLengths.value(month - 1) && dayOfYear(month, day) < TJAstro::DayCount;
}

QString YearlyAstroTableModel::cellText(int month, int day, const QString& separator) const {
    const AstroDay& values = m_table.days.at(dayOfYear(month, day));
    return timeWithOffset(values.sunrise, 0) + separator + timeWithOffset(values.sunset, 0);
}

QVariant YearlyAstroTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= DayRows || index.column() >= MonthColumns)
        return {};
    const int day = index.row() + 1;
    const int month = index.column() + 1;
    if (!dayExists(month, day))
        return QStringLiteral("-");
    if (role != Qt::DisplayRole)
        return {};
    return cellText(month, day, QStringLiteral(" - "));
}

QVariant YearlyAstroTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return CalendarSettings::longMonthNames().value(section);
    return section + 1;
}

QHash<int, QByteArray> YearlyAstroTableModel::roleNames() const {
    return m_roleNames;
}

void YearlyAstroTableModel::setYear(int year) {
    if (year == m_year)
        return;
    m_year = year;
    updateMonthLengths();
    updateAstroValues();
    emit yearChanged();
}

int YearlyAstroTableModel::dayOfYear(int month, int day) const {
    int days = day;
    for (int m = 1; m < month; ++m)
        days += m_monthLengths.value(m - 1);
    return days;
}

QString YearlyAstroTableModel::timeWithOffset(const AstroTimeOfDay& time, int minutes) {
    const QTime clock(time.hour, time.minute, time.second);
    if (!clock.isValid())
        return {};
    return clock.addSecs(minutes * 60).toString(QStringLiteral("hh:mm"));
}

void YearlyAstroTableModel::updateMonthLengths() {
    m_monthLengths.clear();
    for (int month = 1; month <= MonthColumns; ++month)
        m_monthLengths.append(m_calendar.daysInMonth(month, m_year));
}

void YearlyAstroTableModel::updateAstroValues() {
    beginResetModel();
    m_table = m_owner->channelAstroTable(m_year);
    endResetModel();
    const TJAstro plain = m_owner->plainAstroTable(m_year);
    m_earliestSunrise = timeWithOffset(plain.earliestSunrise, 0);
    m_earliestSunset = timeWithOffset(plain.earliestSunset, 0);
    m_latestSunrise = timeWithOffset(plain.latestSunrise, 0);
    m_latestSunset = timeWithOffset(plain.latestSunset, 0);
    emit astroValuesChanged();
}

bool YearlyAstroTableModel::exportCsv() {
    const QString name = ExportFiles::safeFileName(m_owner->projectName());
    const QString path = ExportFiles::askSaveFile(
        ExportFiles::documentsFilePath(QStringLiteral("%1.csv").arg(name)),
        QCoreApplication::translate("Windows", "Exportieren"),
        QCoreApplication::translate("Windows", "CSV UTF-8 (kommagetrennt) (*.csv)"));
    return !path.isEmpty() && writeCsv(path);
}

std::optional<YearlyAstroTableModel::Heading> YearlyAstroTableModel::heading() const {
    return m_owner->yearlyAstroHeading();
}

QString YearlyAstroTableModel::ruleText() const {
    return m_owner->soWiRuleText();
}

bool YearlyAstroTableModel::writeCsv(const QString& path) {
    const std::optional<Heading> head = heading();
    if (!head) {
        qCWarning(tarvinoLog) << ">> The astro table is made for the astro channels of astronomic projects";
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QTextStream stream(&file);
        stream.setEncoding(QStringConverter::Utf8);
        writeCsvTo(stream, *head);
        stream.flush();
        if (stream.status() == QTextStream::Ok && file.commit())
            return true;
    }
    qCWarning(tarvinoLog).noquote()
        << QStringLiteral(">> Couldn't open file for csv export at path: %1").arg(path) << file.errorString();
    return false;
}

QTextDocument* YearlyAstroTableModel::buildDocument() const {
    const std::optional<Heading> head = heading();
    if (!head) {
        qCWarning(tarvinoLog) << ">> The astro table is made for the astro channels of astronomic projects";
        return nullptr;
    }
    return m_owner->yearlyAstroDocument(*this, *head);
}

void YearlyAstroTableModel::formatDocument() {
    if (QTextDocument* document = buildDocument())
        m_owner->printYearlyAstroTable(document);
}

void YearlyAstroTableModel::writeCsvTo(QTextStream& out, const Heading& head) const {
    const auto line = [&out](const QString& text) { out << text << '\n'; };
    const auto pair = [](const QString& label, const QString& first, const QString& second) {
        return field(label) + first + QLatin1Char(',') + second + QLatin1Char(',');
    };

    line(field(trText("Astro settings", "Astrotabelle")));
    line(field(trText("Astro settings", "Standort")));
    line(field(trText("Astro settings", "Breitengrad")) + field(degrees(head.latitude)));
    line(field(trText("Astro settings", "Längengrad")) + field(degrees(head.longitude)));
    line(field(trText("Astro settings", "Land")) + field(head.country));
    line(field(trText("Astro settings", "Stadt")) + field(head.city));
    line(field(trText("Astro settings", "Zeitzone")) + field(head.zone));
    line(field(QCoreApplication::translate("Program settings", "Sommer-/Winterregel")) + field(head.rule));
    line(QStringLiteral(","));
    line(QStringLiteral(",") + field(trText("Astro settings", "Sonnenaufgang")) + field(trText("Astro settings", "Sonnenuntergang")));
    line(pair(trText("Astro settings", "frühestens"), m_earliestSunrise, m_earliestSunset));
    line(pair(trText("Astro settings", "spätestens"), m_latestSunrise, m_latestSunset));
    line(QStringLiteral(","));
    // Sunrises switch the channel off, sunsets on, as the view and the print label them.
    const QString channelName = QStringLiteral("%1 %2").arg(trText("Astro settings", "Kanal")).arg(head.channelNumber);
    line(field(channelName) + field(trText("Astro settings", "Ausschaltzeit")) + field(trText("Astro settings", "Einschaltzeit")));
    line(pair(trText("Astro settings", "frühestens"), earliestSunriseWithOffset(), earliestSunsetWithOffset()));
    line(pair(trText("Astro settings", "spätestens"), latestSunriseWithOffset(), latestSunsetWithOffset()));
    const QString minutes = QStringLiteral("%1 ") + trText("Astro settings", "min");
    line(pair(trText("Astro settings", "Offset"), ExportFiles::csvField(minutes.arg(head.offsetSunrise)),
              ExportFiles::csvField(minutes.arg(head.offsetSunset))));
    line(QStringLiteral(","));
    QStringList months;
    for (const QString& month : CalendarSettings::longMonthNames())
        months.append(ExportFiles::csvField(month));
    line(QStringLiteral(",") + months.join(QStringLiteral(",,")) + QStringLiteral(",,,"));
    for (int day = 1; day <= DayRows; ++day) {
        QString text = QString::number(day) + QLatin1Char(',');
        for (int month = 1; month <= MonthColumns; ++month)
            text += dayExists(month, day) ? cellText(month, day, QStringLiteral(", ")) + QLatin1Char(',')
                                          : QStringLiteral(",,");
        line(text);
    }
}
