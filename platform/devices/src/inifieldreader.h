#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class QSettings;

namespace devices {

// Reads the fields of the project file into the given variables. A missing key leaves the
// variable as it is (its default); a value of the wrong type does too, with a warning naming
// group and key. A text that QSettings splits at its commas (an unquoted "Halle 1, Halle 2")
// reads joined again. It has the same operations as IniFieldWriter.
class IniFieldReader {
public:
    // Beyond any model's memory: keeps a broken array size from allocating without end.
    static constexpr int ArrayLimit = 100000;

    explicit IniFieldReader(QSettings& settings) : m_settings(settings) {}

    void beginGroup(const QString& group);
    void endGroup();

    void number(const char* key, int& value);
    void flag(const char* key, bool& value);
    void text(const char* key, QString& value);
    void real(const char* key, double& value);
    void date(const char* key, QDate& value);
    void dateTime(const char* key, QDateTime& value);
    // Fills the list's entries in order; entries the text lacks keep their values.
    void dayTimes(const char* key, QList<int>& seconds);

    // The number of entries the file gives an array, without reading it; 0 for none.
    qint64 arraySize(const char* name) const;

    // Reads a QSettings array into a list of its length.
    template <typename T, typename Fields>
    void array(const char* name, QList<T>& list, Fields fields);
    // Reads a QSettings array into the entries a list of fixed length has.
    template <typename T, typename Fields>
    void fixedArray(const char* name, QList<T>& list, Fields fields);

private:
    QString raw(const char* key) const;
    void warnUnusable(const char* key, const char* expected, const QVariant& kept) const;
    // Opens the array; a negative or absurd size reads as empty. The caller ends the array.
    int beginArray(const char* name, int limit);
    void endArray();
    void setArrayIndex(int index);

    QSettings& m_settings;
};

template <typename T, typename Fields>
void IniFieldReader::array(const char* name, QList<T>& list, Fields fields)
{
    list.resize(beginArray(name, ArrayLimit));
    for (qsizetype i = 0; i < list.size(); ++i) {
        setArrayIndex(int(i));
        fields(*this, list[i]);
    }
    endArray();
}

template <typename T, typename Fields>
void IniFieldReader::fixedArray(const char* name, QList<T>& list, Fields fields)
{
    const int size = beginArray(name, int(list.size()));
    for (int i = 0; i < size; ++i) {
        setArrayIndex(i);
        fields(*this, list[i]);
    }
    endArray();
}

} // namespace devices
