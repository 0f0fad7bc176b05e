#pragma once

// Process-wide single object of T, reached through instance(). T declares the pointer as a
// public static member m_instance, which its library exports.
//
// The derived class hands its own pointer to the base: `Service<T>(this)` in its initializer
// list. Casting the base's `this` down to T while T is not yet built would be undefined.
template <typename T>
class Service {
public:
    explicit Service(T* self) { T::m_instance = self; }
    Service(const Service&) = delete;
    Service& operator=(const Service&) { return *this; }

    // The caller must know that the object exists (hasInstance).
    static T& instance() { return *T::m_instance; }
    static bool hasInstance() { return T::m_instance != nullptr; }

protected:
    // Clears the pointer only when it still names this object, so a newer object of the same
    // class stays reachable when an older one goes.
    ~Service()
    {
        if (T::m_instance && static_cast<Service*>(T::m_instance) == this)
            T::m_instance = nullptr;
    }
};
