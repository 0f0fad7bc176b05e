#include "startuppreload.h"

#include <QSqlDatabase>
#include <QString>

#ifdef TARVINO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

// The first text of any window loads fontconfig's configuration and font list: tens of
// configuration files. fontconfig keeps one configuration per process and makes it safely
// from any thread.
void loadFontConfiguration()
{
#ifdef TARVINO_HAS_FONTCONFIG
    FcInit();
#endif
}

// Loading the driver plugin maps the plugin and the SQLite library; Qt keeps both loaded once
// the first connection made with them is gone.
void loadSqlDriver()
{
    const QString connection = QStringLiteral("startup-preload");
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    QSqlDatabase::removeDatabase(connection);
}

} // namespace

StartupPreload::StartupPreload()
    : m_fonts(std::async(std::launch::async, loadFontConfiguration))
    , m_sqlDriver(std::async(std::launch::async, loadSqlDriver))
{
}

// The futures wait for their threads.
StartupPreload::~StartupPreload() = default;
