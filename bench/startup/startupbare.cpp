// The bare program the start-up of Tarvino is measured against: a Qt Quick window in the same
// style that imports the same QML modules as the program's main window, the program's own
// modules among them, and shows nothing.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlExtensionPlugin>
#include <QQuickStyle>

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

int main(int argc, char* argv[])
{
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/orvindal"));
    engine.loadData(QByteArrayLiteral("import QtQuick\n"
                                      "import QtQuick.Controls\n"
                                      "import QtQuick.Layouts\n"
                                      "import QtQuick.Shapes\n"
                                      "import QtQuick.Window\n"
                                      "import Qt.labs.folderlistmodel\n"
                                      "import core\n"
                                      "import logger\n"
                                      "import Tarvino\n"
                                      "ApplicationWindow { visible: true; width: 1280; height: 800 }\n"));
    return QGuiApplication::exec();
}
