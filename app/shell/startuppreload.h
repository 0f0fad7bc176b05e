#pragma once

#include <future>

// Work the first frame waits for that needs nothing of the program, started on worker threads
// as soon as the application object exists, so that the GUI thread finds it done when it gets
// there. Each part is only a head start: the GUI thread does the same work itself, or waits for
// it, if it comes first. Made after the application object and destroyed before it.
class StartupPreload
{
public:
    StartupPreload();
    ~StartupPreload();

    StartupPreload(const StartupPreload&) = delete;
    StartupPreload& operator=(const StartupPreload&) = delete;

private:
    std::future<void> m_fonts;
    std::future<void> m_sqlDriver;
};
