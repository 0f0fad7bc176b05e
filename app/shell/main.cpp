#include "buildinfo.h"
#include "startuppreload.h"
#include "tarvinoapp.h"
#include "tarvinologging.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>
#include <QQuickWindow>

#include <core/windowlayout.h>
#include <softwareversion/quicksoftwareversion.h>

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

int main(int argc, char* argv[])
{
    softwareversion::QuickSoftwareVersion softwareVersion;
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QString::fromLatin1(BuildInfo::OrganizationName));
    QApplication::setApplicationName(QString::fromLatin1(BuildInfo::ApplicationName));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::ProjectVersion));
    const StartupPreload preload;

    TarvinoApp app;
    QQmlApplicationEngine& engine = app.engine();
    engine.addImportPath(QStringLiteral("qrc:/orvindal"));
    const QUrl mainUrl(QStringLiteral("qrc:/orvindal/Tarvino/main.qml"));
    // The QML loader thread compiles the main window and its imports while the services start;
    // the load below waits for it and reuses the result.
    QQmlComponent mainComponent(&engine);
    mainComponent.loadUrl(mainUrl, QQmlComponent::Asynchronous);
    app.initialize();
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, &application,
        [mainUrl](QObject* object, const QUrl& url) {
            if (url != mainUrl)
                return;
            auto* window = qobject_cast<QQuickWindow*>(object);
            if (!window) {
                QCoreApplication::exit(-1);
                return;
            }
            // The window starts its first view after its first frame; it counts as loaded once
            // that has run, so that a project named on the command line is imported by then.
            QObject::connect(
                window, &QQuickWindow::frameSwapped, window,
                [window] {
                    QMetaObject::invokeMethod(window, "start");
                    qCInfo(tarvinoLog) << "Main window loaded";
                },
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);
    const int result = QApplication::exec();
    // The native main window holds the QML window; it goes before the engine does.
    delete core::WindowLayout::m_instance;
    return result;
}
