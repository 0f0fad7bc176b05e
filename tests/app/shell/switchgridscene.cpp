// Photographs the week grid with a sample week of every kind of switch time, a conflict, an
// endless cycle and a selection: docs/screenshots/switch-grid.png, and the same week right to left
// in switch-grid-mirrored.png. Usage: switchgridscene [OUTPUT_DIR]
#include "switchgridcontrollerproxy.h"
#include "switchtimelistmodel.h"
#include "switchtimesample.h"

#include <QDir>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QQuickView>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

namespace {

using sample::switchTime;
using namespace sample::days;

QList<storage::SwitchTime> sampleWeek() {
    return {
        switchTime(0, 1, Monday | Tuesday, 6 * Hour),
        switchTime(0, 0, Monday, 22 * Hour),
        sample::impulse(Tuesday, 7 * Hour + 1800, 5),
        switchTime(1, 0, Tuesday, 12 * Hour, 0, 0, 5),
        // Two switch times within one hour: a conflict.
        switchTime(0, 1, Tuesday, 16 * Hour + 600),
        switchTime(0, 0, Tuesday, 16 * Hour + 2400),
        switchTime(3, 3, Wednesday, 8 * Hour, Wednesday, 17 * Hour),
        switchTime(3, 2, Thursday, 18 * Hour, Friday, 6 * Hour),
        // Fixed on each evening from Friday to Saturday, ending the same day.
        switchTime(3, 3, Friday | Saturday, 20 * Hour, -1, 23 * Hour),
        sample::cycle(Saturday, 9 * Hour, Saturday, 15 * Hour),
        sample::cycle(Sunday, 19 * Hour, 1, 0),
    };
}

// Any warning of the scene is a fault of the scene.
void failOnWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::exit(1);
}

bool photograph(QObject* controller, bool mirrored, const QString& path) {
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/orvindal"));
    view.setInitialProperties({{QStringLiteral("controller"), QVariant::fromValue(controller)},
                               {QStringLiteral("mirrored"), mirrored}});
    view.setSource(QUrl::fromLocalFile(QStringLiteral(SWITCH_GRID_SCENE_QML)));
    if (view.status() != QQuickView::Ready)
        return false;
    view.show();
    return view.grabWindow().save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(failOnWarnings);
    const QDir output(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots"));
    if (!output.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Cannot make %s\n", qPrintable(output.path()));
        return 1;
    }
    SwitchTimeListModel model;
    model.setSwitches(sampleWeek());
    // The Wednesday range and the first switch time are selected.
    model.selectIndices({0, 6});
    SwitchGridControllerProxy controller(&model);
    for (const bool mirrored : {false, true}) {
        const QString path = output.filePath(mirrored ? QStringLiteral("switch-grid-mirrored.png")
                                                      : QStringLiteral("switch-grid.png"));
        if (!photograph(&controller, mirrored, path)) {
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("Wrote %s\n", qPrintable(path));
    }
    return 0;
}
