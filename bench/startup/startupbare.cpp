// The bare program the start-up of Tarvino is measured against: a Qt Quick window in the same
// style that imports the same Qt modules as the program's views, and shows nothing.

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>

int main(int argc, char* argv[])
{
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication application(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(QByteArrayLiteral("import QtQuick\n"
                                      "import QtQuick.Controls\n"
                                      "import QtQuick.Layouts\n"
                                      "import QtQuick.Shapes\n"
                                      "import QtQuick.Window\n"
                                      "import Qt.labs.folderlistmodel\n"
                                      "ApplicationWindow { visible: true; width: 1280; height: 800 }\n"));
    return QGuiApplication::exec();
}
