#pragma once

#include <QMetaObject>
#include <QObject>

#include <functional>
#include <future>
#include <utility>

namespace utils {

// Data that a service reads on a worker thread while the program starts. The service takes the
// result on its own thread: once the worker is done (`ready`, queued to the owner's thread),
// or at its first reader before that, which then waits for the rest of the read.
template <typename T>
class BackgroundLoad {
public:
    BackgroundLoad() = default;
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;
    // Waits for a read still running: its result would be posted to an owner being destroyed.
    ~BackgroundLoad()
    {
        if (m_result.valid())
            m_result.wait();
    }

    void start(std::function<T()> read, QObject* owner, std::function<void()> ready)
    {
        m_result = std::async(std::launch::async, [read = std::move(read), owner, ready = std::move(ready)] {
            T value = read();
            QMetaObject::invokeMethod(owner, ready, Qt::QueuedConnection);
            return value;
        });
    }

    // Whether a result waits to be taken.
    bool pending() const { return m_result.valid(); }
    T take() { return m_result.get(); }

private:
    std::future<T> m_result;
};

} // namespace utils
