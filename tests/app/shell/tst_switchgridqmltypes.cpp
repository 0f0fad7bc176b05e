// The week grid and its time scale are made from QML through the module "Tarvino".
#include "switchgrid.h"
#include "switchruler.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QRegularExpression>
#include <QTest>

Q_IMPORT_QML_PLUGIN(TarvinoPlugin)

class TestSwitchGridQmlTypes : public QObject {
    Q_OBJECT

private slots:
    void bothItemsAreMadeWithoutWarnings() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/orvindal"));
        QQmlComponent component(&engine, QUrl::fromLocalFile(QStringLiteral(SWITCH_GRID_ITEMS_QML)));
        std::unique_ptr<QObject> root(component.create());
        QVERIFY2(root, qPrintable(component.errorString()));
        auto* grid = qvariant_cast<SwitchGrid*>(root->property("grid"));
        auto* ruler = qvariant_cast<SwitchRuler*>(root->property("ruler"));
        QVERIFY(grid);
        QVERIFY(ruler);
        QCOMPARE(grid->posibleSteps(), (QList<int>{1, 5, 15, 30, 60}));
        QCOMPARE(grid->minSolar(), 360);
        QCOMPARE(ruler->skip(), 6);
        QCOMPARE(ruler->font().pixelSize(), 14);
        // The scale follows the grid's zoom and scrolling.
        grid->setSteps(15);
        grid->setOffset(10);
        QCOMPARE(ruler->steps(), 15);
        QCOMPARE(ruler->offset(), 10.0);
    }
};

QTEST_MAIN(TestSwitchGridQmlTypes)
#include "tst_switchgridqmltypes.moc"
