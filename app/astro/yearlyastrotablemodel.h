#pragma once

#include "astrotimeofday.h"
#include "tjastro.h"
#include "trfunctions.h"
#include "yearlyastroheading.h"
#include "yearlyastroowner.h"

#include <QAbstractTableModel>
#include <QCalendar>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class QTextDocument;
class QTextStream;

// Sunrise and sunset of every day of a year for the selected astro channel, as it will switch
// (with its offsets and astro time): 31 day rows by 12 month columns, with the year's extremes
// with and without the offsets, and the same as a CSV file.
class YearlyAstroTableModel : public QAbstractTableModel, public TrFunctions {
    Q_OBJECT
    Q_INTERFACES(TrFunctions)
    Q_PROPERTY(int year READ year WRITE setYear NOTIFY yearChanged)
    Q_PROPERTY(QString earliestSunrise READ earliestSunrise NOTIFY astroValuesChanged)
    Q_PROPERTY(QString earliestSunset READ earliestSunset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString latestSunrise READ latestSunrise NOTIFY astroValuesChanged)
    Q_PROPERTY(QString latestSunset READ latestSunset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString earliestSunriseWithOffset READ earliestSunriseWithOffset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString earliestSunsetWithOffset READ earliestSunsetWithOffset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString latestSunriseWithOffset READ latestSunriseWithOffset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString latestSunsetWithOffset READ latestSunsetWithOffset NOTIFY astroValuesChanged)
    Q_PROPERTY(QString ruleText READ ruleText NOTIFY astroValuesChanged)

public:
    static constexpr int DayRows = 31;
    static constexpr int MonthColumns = 12;

    using Heading = YearlyAstroHeading;

    YearlyAstroTableModel(const YearlyAstroOwner* owner, QObject* parent);
    ~YearlyAstroTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int year() const { return m_year; }
    void setYear(int year);
    QString earliestSunrise() const { return m_earliestSunrise; }
    QString earliestSunset() const { return m_earliestSunset; }
    QString latestSunrise() const { return m_latestSunrise; }
    QString latestSunset() const { return m_latestSunset; }
    QString earliestSunriseWithOffset() const { return timeWithOffset(m_table.earliestSunrise, 0); }
    QString earliestSunsetWithOffset() const { return timeWithOffset(m_table.earliestSunset, 0); }
    QString latestSunriseWithOffset() const { return timeWithOffset(m_table.latestSunrise, 0); }
    QString latestSunsetWithOffset() const { return timeWithOffset(m_table.latestSunset, 0); }
    // The project's summer/winter rule as its device model names it.
    QString ruleText() const;

    // Day of the year of a day of a month of the model's year.
    int dayOfYear(int month, int day) const;
    // "hh:mm" of the time moved by minutes; empty for hour 24 (no sunrise or sunset that day).
    static QString timeWithOffset(const AstroTimeOfDay& time, int minutes);

    // Nothing unless the project is astronomic and the selected channel an astro channel.
    std::optional<Heading> heading() const;
    bool dayExists(int month, int day) const;
    // Sunrise and sunset of that day, joined by the separator.
    QString cellText(int month, int day, const QString& separator) const;
    // The printable table, owned by the caller; null when there is no heading.
    QTextDocument* buildDocument() const;

    // Writes the table as CSV (UTF-8); false, with a warning, when the project is not astronomic,
    // the selected channel is no astro channel or the file cannot be written.
    Q_INVOKABLE bool writeCsv(const QString& path);

public slots:
    void updateAstroValues();
    // Asks where the CSV goes and writes it there; false when cancelled or not written.
    bool exportCsv();
    // Shows the print preview of the table.
    void formatDocument();

signals:
    void yearChanged();
    void astroValuesChanged();

private:
    void updateMonthLengths();
    void writeCsvTo(QTextStream& stream, const Heading& heading) const;

    QHash<int, QByteArray> m_roleNames;
    const YearlyAstroOwner* m_owner;
    TJAstro m_table;
    QCalendar m_calendar;
    int m_year;
    QList<int> m_monthLengths;
    QString m_earliestSunrise;
    QString m_earliestSunset;
    QString m_latestSunrise;
    QString m_latestSunset;
};
