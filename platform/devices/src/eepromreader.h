#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>

namespace devices {

// Reads the fields of the memory image one after the other into the given variables. Never
// reads past the data: a field beyond its end reads as 0 (a date as none) and marks the reader
// as overrun. It has the same operations as EepromWriter.
class EepromReader {
public:
    explicit EepromReader(const QByteArray& bytes, qsizetype pos = 0);

    qsizetype pos() const { return m_pos; }
    bool overrun() const { return m_overrun; }

    int u8() { return int(take(1)); }

    void u8(int& value) { value = int(take(1)); }
    void u16(int& value) { value = int(take(2)); }
    void u24(int& value) { value = int(take(3)); }
    // Values beyond the int range read as 0.
    void u32(int& value);
    void i16(int& value) { value = qint16(take(2)); }
    void flag(bool& value) { value = take(1) == 1; }
    void magnitude(int& value) { u8(value); }
    void nibbles(int& high, int& low);
    void coordinate(double& degrees);
    void minutes(int& seconds) { seconds = int(take(2)) * 60; }
    void date(QDate& date);
    void dayTime(int& seconds) { u24(seconds); }
    void dateTime(QDateTime& dateTime);
    void skip(qsizetype count);
    // Sizes the list after a length byte, to at most limit entries.
    template <typename T>
    void count(QList<T>& list, int limit) { list.resize(qMin(u8(), limit)); }

private:
    quint32 take(int width);

    const QByteArray& m_bytes;
    qsizetype m_pos;
    bool m_overrun = false;
};

} // namespace devices
