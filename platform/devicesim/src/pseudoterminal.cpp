#include "devicesim/pseudoterminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace devicesim {

PseudoTerminal::PseudoTerminal(QObject* parent)
    : QIODevice(parent)
{
}

PseudoTerminal::~PseudoTerminal()
{
    PseudoTerminal::close();
}

bool PseudoTerminal::open(OpenMode mode)
{
    if (isOpen())
        return true;
    char name[256] = {};
    termios raw {};
    cfmakeraw(&raw);
    if (::openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slaveName = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &QIODevice::readyRead);
    return QIODevice::open(mode | Unbuffered);
}

void PseudoTerminal::close()
{
    if (!isOpen())
        return;
    QIODevice::close();
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_master);
    ::close(m_slave);
    m_master = m_slave = -1;
}

qint64 PseudoTerminal::bytesAvailable() const
{
    int pending = 0;
    if (m_master >= 0)
        ::ioctl(m_master, FIONREAD, &pending);
    return pending + QIODevice::bytesAvailable();
}

qint64 PseudoTerminal::readData(char* data, qint64 maxSize)
{
    const ssize_t got = ::read(m_master, data, size_t(maxSize));
    if (got >= 0)
        return got;
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

qint64 PseudoTerminal::writeData(const char* data, qint64 size)
{
    // While no program reads the slave its buffer fills; what does not fit is dropped, as a
    // line without a listener drops it.
    qint64 written = 0;
    while (written < size) {
        const ssize_t put = ::write(m_master, data + written, size_t(size - written));
        if (put > 0)
            written += put;
        else if (put < 0 && errno == EINTR)
            continue;
        else if (put < 0 && errno != EAGAIN)
            return -1;
        else
            return size;
    }
    return written;
}

} // namespace devicesim
