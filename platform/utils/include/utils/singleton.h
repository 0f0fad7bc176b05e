#pragma once

namespace utils {

// Process-wide single instance of T. The creator records the object in T::m_instance;
// instance() hands it out. The base keeps a pointer to its own sub-object as well.
template <typename T>
class Singleton {
public:
    Singleton() { m_singletonInstance = this; }
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) { return *this; }

    static T& instance() { return *T::m_instance; }
    static bool hasInstance() { return T::m_instance != nullptr; }

protected:
    // Clears both pointers when they name this object, so a second object of the same
    // class can be built after the first is gone.
    ~Singleton()
    {
        if (T::m_instance && static_cast<Singleton*>(T::m_instance) == this)
            T::m_instance = nullptr;
        if (m_singletonInstance == this)
            m_singletonInstance = nullptr;
    }

private:
    inline static Singleton* m_singletonInstance = nullptr;
};

} // namespace utils
