#pragma once

namespace storage {

// Every record setter reports a real change here, which marks the storage unsaved. Reading a
// project from the database builds its records through the same setters, so the reader pauses
// the tracking while it works.
class ChangeTracker {
public:
    static void markUnsaved();

    // Stores value in field; marks the storage unsaved only when the value differs.
    template <typename T, typename U>
    static bool assign(T& field, const U& value)
    {
        if (field == value)
            return false;
        field = value;
        markUnsaved();
        return true;
    }

    class Pause {
    public:
        Pause() { ++s_paused; }
        ~Pause() { --s_paused; }
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;
    };

private:
    inline static int s_paused = 0;
};

} // namespace storage
