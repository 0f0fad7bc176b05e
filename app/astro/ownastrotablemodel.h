#pragma once

#include "ownastrodaytable.h"
#include "tjastro.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QTime>

#include <storage/ownastrotable.h>

struct AstroPreset;

// A project's own astro table for the views: one sunrise and one sunset per day of a leap year,
// in local standard time, besides the table's name, time-zone number and enabled flag. Every
// change goes straight into the stored table. The day table handed to the astro engine follows
// the stored rows at updateAstroTab().
class OwnAstroTableModel : public QAbstractTableModel {
    Q_OBJECT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(int timezone READ timezone WRITE setTimezone NOTIFY timezoneChanged)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)

public:
    enum Column { SunriseColumn, SunsetColumn, ColumnCount };
    static constexpr int DefaultTimezone = 13;

    OwnAstroTableModel(storage::OwnAstroTable* table, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString name() const { return m_table->name(); }
    int timezone() const { return m_table->timezone(); }
    bool enabled() const { return m_table->enabled(); }
    int entryCount() const { return int(m_table->entries().size()); }
    const OwnAstroDayTable& ownTableBlock() const { return m_dayTable; }
    // Default name, time zone and times, disabled.
    void resetTable();

public slots:
    void setName(const QString& name);
    void setTimezone(int timezone);
    void setEnabled(bool enabled);
    void setSunrise(const QTime& sunrise, int row, bool visualUpdate);
    void setSunrise(const QTime& sunrise, int row) { setSunrise(sunrise, row, true); }
    void setSunset(const QTime& sunset, int row, bool visualUpdate);
    void setSunset(const QTime& sunset, int row) { setSunset(sunset, row, true); }
    // The computed times of a year that applyOffset() fills from.
    void setAstroTimes(const TJAstro& astroValues, int year);
    void setAstroTimes(const TJAstro& astroValues) { setAstroTimes(astroValues, QDate::currentDate().year()); }
    // Fills the rows of the days from start to end (dates of a leap year) with the computed times
    // in standard time, moved by the offsets (minutes).
    void applyOffset(const QDate& startDate, const QDate& endDate, int sunriseOffset, int sunsetOffset);
    void setMETTime();
    void setNBNTime();
    void updateAstroTab();

signals:
    void nameChanged();
    void timezoneChanged();
    void enabledChanged();
    void astroTabChanged();

private:
    bool isRow(int row) const { return row >= 0 && row < entryCount(); }
    // Stores a time; a row outside the table changes nothing.
    void setCell(Column column, const QTime& time, int row, bool visualUpdate);
    void setPreset(const AstroPreset& preset);

    storage::OwnAstroTable* m_table;
    TJAstro m_astroValues;
    int m_astroYear = 0;
    OwnAstroDayTable m_dayTable;
};
