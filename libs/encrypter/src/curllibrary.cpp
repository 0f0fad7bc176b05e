#include "curllibrary.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <map>
#include <memory>

#include <dlfcn.h>

namespace encrypter {

namespace {

// The only calls to the system's loader; on Windows these would open the DLL.
void* openFile(const QString& fileName, QString& error)
{
    void* library = dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        error = QStringLiteral("%1 cannot be opened: %2").arg(fileName, QString::fromLocal8Bit(dlerror()));
    return library;
}

void* findSymbol(void* library, const char* name)
{
    return dlsym(library, name);
}

} // namespace

const CurlLibrary& CurlLibrary::open(const QString& fileName)
{
    static QMutex lock;
    static std::map<QString, std::unique_ptr<const CurlLibrary>> opened;
    const QMutexLocker locker(&lock);
    std::unique_ptr<const CurlLibrary>& library = opened[fileName];
    if (!library)
        library.reset(new CurlLibrary(fileName));
    return *library;
}

// libcurl is never cleaned up again: transfers may start until the process ends.
CurlLibrary::CurlLibrary(const QString& fileName)
{
    void* library = openFile(fileName, m_error);
    if (!library || !resolveAll(library, fileName))
        return;
    const CURLcode code = m_globalInit(CURL_GLOBAL_ALL);
    if (code != CURLE_OK)
        m_error = QStringLiteral("%1 cannot be initialised: %2")
                      .arg(fileName, QString::fromLatin1(m_easyStrerror(code)));
}

bool CurlLibrary::resolveAll(void* library, const QString& fileName)
{
    return resolve(library, fileName, "curl_global_init", m_globalInit) &&
           resolve(library, fileName, "curl_easy_init", m_easyInit) &&
           resolve(library, fileName, "curl_easy_cleanup", m_easyCleanup) &&
           resolve(library, fileName, "curl_easy_setopt", m_easySetopt) &&
           resolve(library, fileName, "curl_easy_perform", m_easyPerform) &&
           resolve(library, fileName, "curl_easy_getinfo", m_easyGetinfo) &&
           resolve(library, fileName, "curl_easy_strerror", m_easyStrerror);
}

template <typename Function>
bool CurlLibrary::resolve(void* library, const QString& fileName, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(findSymbol(library, name));
    if (!function)
        m_error = QStringLiteral("%1 lacks %2").arg(fileName, QLatin1String(name));
    return function != nullptr;
}

} // namespace encrypter
