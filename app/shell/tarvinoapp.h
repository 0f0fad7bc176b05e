#pragma once


#include <core/baseapplication.h>

class QTemporaryFile;

// The program's application object: creates every service in start-up order and hands them
// to QML as root-context properties.
class TarvinoApp : public core::BaseApplication {
    Q_OBJECT
public:
    TarvinoApp();
    ~TarvinoApp() override;

    bool initialize() override;

protected slots:
    // Writes the collected log to a temporary text file and offers it to the user.
    void onLogExported(const QByteArray& data) override;

private:
    void publish(const char* name, QObject* service);
    void initializeDownloadServices();

    QTemporaryFile* m_logFile = nullptr;
};
