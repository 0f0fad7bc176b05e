#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>

namespace devices {

// Writes the fields of the memory image one after the other into a byte array of fixed size.
// A field that would not fit is not written and marks the writer as overflowed. It has the
// same operations as EepromReader, so that one template lists the fields of a section for
// both directions.
class EepromWriter {
public:
    explicit EepromWriter(QByteArray& bytes, qsizetype pos = 0);

    qsizetype pos() const { return m_pos; }
    bool overflowed() const { return m_overflowed; }

    void u8(int value) { put(quint32(value), 1); }
    void u16(int value) { put(quint32(value), 2); }
    void u24(int value) { put(quint32(value), 3); }
    void u32(int value) { put(quint32(value), 4); }
    void i16(int value) { put(quint32(value), 2); }
    void flag(bool value) { u8(value ? 1 : 0); }
    // The amount of a value whose sign is kept elsewhere.
    void magnitude(int value) { u8(value < 0 ? -value : value); }
    // Two values of 0 .. 15 in one byte, the first in the high half.
    void nibbles(int high, int low) { u8((high << 4) | (low & 0xF)); }
    // Degrees as i32 millionths.
    void coordinate(double degrees);
    // Seconds as u16 whole minutes.
    void minutes(int seconds) { u16(seconds / 60); }
    // Year - 2000, month, day; FF FF FF for no date.
    void date(const QDate& date);
    // Seconds since midnight in 3 bytes.
    void dayTime(int seconds) { u24(seconds); }
    // Date and time of day; all six bytes FF for none.
    void dateTime(const QDateTime& dateTime);
    void skip(qsizetype count);
    // The length of a list in one byte.
    template <typename T>
    void count(const QList<T>& list, int) { u8(int(list.size())); }

private:
    void put(quint32 value, int width);

    QByteArray& m_bytes;
    qsizetype m_pos;
    bool m_overflowed = false;
};

} // namespace devices
