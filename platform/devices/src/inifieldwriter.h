#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace devices {

class IniWritter;

// Writes the fields of the project file. It has the same operations as IniFieldReader, so that
// one template lists the keys of a group for both directions. Lists are QSettings arrays.
class IniFieldWriter {
public:
    explicit IniFieldWriter(IniWritter& writer) : m_writer(writer) {}

    void beginGroup(const QString& group);
    void endGroup();

    void number(const char* key, int value);
    void flag(const char* key, bool value);
    void text(const char* key, const QString& value);
    void real(const char* key, double value);
    void date(const char* key, const QDate& value);
    void dateTime(const char* key, const QDateTime& value);
    // Times of day in seconds, as one text of "HH:mm:ss" separated by blanks.
    void dayTimes(const char* key, const QList<int>& seconds);

    // Writes "<name>/size" and each element's fields under "<name>/<n>/".
    template <typename T, typename Fields>
    void array(const char* name, const QList<T>& list, Fields fields);
    // The same for a list of fixed length.
    template <typename T, typename Fields>
    void fixedArray(const char* name, const QList<T>& list, Fields fields) { array(name, list, fields); }

private:
    QString key(const char* name) const { return m_prefix + QLatin1String(name); }

    IniWritter& m_writer;
    QString m_prefix;
};

template <typename T, typename Fields>
void IniFieldWriter::array(const char* name, const QList<T>& list, Fields fields)
{
    number((QLatin1String(name) + QLatin1String("/size")).toLatin1().constData(), int(list.size()));
    const QString outer = m_prefix;
    for (qsizetype i = 0; i < list.size(); ++i) {
        m_prefix = QStringLiteral("%1%2/%3/").arg(outer, QLatin1String(name)).arg(i + 1);
        fields(*this, list.at(i));
    }
    m_prefix = outer;
}

} // namespace devices
