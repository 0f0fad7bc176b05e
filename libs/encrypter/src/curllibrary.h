#pragma once

#include <QString>

#include <curl/curl.h>

namespace encrypter {

// libcurl, opened at run time instead of linked: the program starts without it and the many
// libraries it brings, and the first transfer opens it, on whichever thread makes it. Each
// library file is opened and initialised once per process and stays open until the end.
class CurlLibrary {
public:
    static constexpr const char* SystemFileName = "libcurl.so.4";

    // Thread-safe. A library that cannot be opened, lacks a function or fails to initialise
    // stays not loaded, with the reason in errorString().
    static const CurlLibrary& open(const QString& fileName);

    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    bool isLoaded() const { return m_error.isEmpty(); }
    // Names the library file; empty when it is loaded.
    QString errorString() const { return m_error; }

    // The functions below may only be called when the library is loaded.
    CURL* easyInit() const { return m_easyInit(); }
    void easyCleanup(CURL* handle) const { m_easyCleanup(handle); }
    template <typename Value>
    CURLcode easySetopt(CURL* handle, CURLoption option, Value value) const
    {
        return m_easySetopt(handle, option, value);
    }
    CURLcode easyPerform(CURL* handle) const { return m_easyPerform(handle); }
    template <typename Target>
    CURLcode easyGetinfo(CURL* handle, CURLINFO info, Target* target) const
    {
        return m_easyGetinfo(handle, info, target);
    }
    const char* easyStrerror(CURLcode code) const { return m_easyStrerror(code); }

private:
    explicit CurlLibrary(const QString& fileName);

    bool resolveAll(void* library, const QString& fileName);
    template <typename Function>
    bool resolve(void* library, const QString& fileName, const char* name, Function& function);

    QString m_error;
    decltype(&curl_global_init) m_globalInit = nullptr;
    decltype(&curl_easy_init) m_easyInit = nullptr;
    decltype(&curl_easy_cleanup) m_easyCleanup = nullptr;
    decltype(&curl_easy_setopt) m_easySetopt = nullptr;
    decltype(&curl_easy_perform) m_easyPerform = nullptr;
    decltype(&curl_easy_getinfo) m_easyGetinfo = nullptr;
    decltype(&curl_easy_strerror) m_easyStrerror = nullptr;
};

} // namespace encrypter
