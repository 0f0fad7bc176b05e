#include "devices/iniwritter.h"

#include "deviceslogging.h"

#include <QIODevice>
#include <QLocale>
#include <QSaveFile>

namespace devices {

namespace {

const char HexDigits[] = "0123456789ABCDEF";

bool isHexDigit(char16_t ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
}

bool isPlainKeyChar(char16_t ch)
{
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9')
        || ch == u'_' || ch == u'-' || ch == u'.';
}

// Characters that QSettings reads back only as backslash escapes.
const char* namedEscape(char16_t ch)
{
    switch (ch) {
    case u'\a': return "\\a";
    case u'\b': return "\\b";
    case u'\f': return "\\f";
    case u'\n': return "\\n";
    case u'\r': return "\\r";
    case u'\t': return "\\t";
    case u'\v': return "\\v";
    case u'"': return "\\\"";
    case u'\\': return "\\\\";
    default: return nullptr;
    }
}

} // namespace

IniWritter::IniWritter(const QString& path)
    : m_path(path)
{
}

IniWritter::IniWritter(QIODevice* device)
    : m_device(device)
    , m_toDevice(true)
{
}

IniWritter::~IniWritter() = default;

void IniWritter::beginGroup(const QString& group)
{
    m_text += '[' + escapedGroup(group) + "]\n";
}

void IniWritter::endGroup()
{
    m_text += '\n';
}

void IniWritter::setValue(const QString& key, const QString& value)
{
    m_text += escapedKey(key);
    m_text += '=';
    m_text += escapedValue(value);
    m_text += '\n';
}

void IniWritter::setValue(const QString& key, int value)
{
    setValue(key, QString::number(value));
}

void IniWritter::setValue(const QString& key, qint64 value)
{
    setValue(key, QString::number(value));
}

void IniWritter::setValue(const QString& key, bool value)
{
    setValue(key, QString::fromLatin1(value ? "true" : "false"));
}

void IniWritter::setValue(const QString& key, double value)
{
    setValue(key, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

bool IniWritter::end()
{
    if (m_ended)
        return m_result;
    m_ended = true;
    if (m_toDevice) {
        m_result = writeTo(m_device);
        return m_result;
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(devicesLog) << "Cannot open" << m_path << "for writing:" << file.errorString();
        return m_result;
    }
    // QSaveFile::commit() may not notice that the last buffered write failed: flush first.
    if (!writeTo(&file) || !file.flush()) {
        file.cancelWriting();
        qCWarning(devicesLog) << "Cannot write" << m_path << ":" << file.errorString();
        return m_result;
    }
    m_result = file.commit();
    if (!m_result)
        qCWarning(devicesLog) << "Cannot replace" << m_path << ":" << file.errorString();
    return m_result;
}

bool IniWritter::writeTo(QIODevice* device) const
{
    if (!device || !device->isOpen() || !device->isWritable()) {
        qCWarning(devicesLog) << "The project file target is not open for writing";
        return false;
    }
    if (device->write(m_text) != m_text.size()) {
        qCWarning(devicesLog) << "Cannot write the project file:" << device->errorString();
        return false;
    }
    return true;
}

QByteArray IniWritter::escapedKey(const QString& key)
{
    QByteArray result;
    result.reserve(key.size() * 3 / 2);
    for (const QChar qch : key) {
        char16_t ch = qch.unicode();
        if (ch == u'/') {
            result += '\\';
        } else if (isPlainKeyChar(ch)) {
            result += char(ch);
        } else if (ch <= 0xFF) {
            result += '%';
            result += HexDigits[ch / 16];
            result += HexDigits[ch % 16];
        } else {
            result += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                result += HexDigits[(ch >> shift) & 0xF];
        }
    }
    return result;
}

QByteArray IniWritter::escapedGroup(const QString& group)
{
    if (group.isEmpty())
        return "General";
    // A group of that name is written with a "%" so that it is not read as the root group.
    if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return '%' + group.toLatin1();
    return escapedKey(group);
}

QByteArray IniWritter::escapedValue(const QString& value)
{
    // A leading "@" marks a typed value for QSettings; a doubled one stands for the character.
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray result;
    result.reserve(text.size() * 3 / 2);
    QString plain; // collected so that surrogate pairs reach the UTF-8 encoder together
    const auto flushPlain = [&] {
        result += plain.toUtf8();
        plain.clear();
    };
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (const QChar qch : text) {
        const char16_t ch = qch.unicode();
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        if (escapeNextIfHexDigit && isHexDigit(ch)) {
            // The reader would take the digit into the preceding hexadecimal escape.
            result += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHexDigit = false;
        if (const char* escape = namedEscape(ch)) {
            flushPlain();
            result += escape;
        } else if (ch <= 0x1F || ch == 0x7F) {
            flushPlain();
            result += "\\x" + QByteArray::number(ch, 16);
            escapeNextIfHexDigit = true;
        } else {
            plain += qch;
        }
    }
    flushPlain();
    if (needsQuotes || text.startsWith(u' ') || text.endsWith(u' '))
        result = '"' + result + '"';
    return result;
}

} // namespace devices
