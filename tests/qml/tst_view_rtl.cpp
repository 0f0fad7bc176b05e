#include <QAbstractItemModel>
#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <memory>

#include <coordinatessettingscontroller.h>
#include <devices/deviceservice.h>

#include "maincontroller.h"
#include "projectcontentcontroller.h"
#include "viewharness.h"

// Hebrew runs every view right to left: the window mirrors its layouts, texts keep to the
// reading direction, and the week grid runs from right to left with its hit areas.
class TestViewRtl : public QObject {
    Q_OBJECT

    std::unique_ptr<ViewHarness> harness;
    QQuickWindow* mainWindow = nullptr;

    static MainController& main() { return MainController::instance(); }
    static SwitchTimesViewController* switches() { return main().projectContent()->switchTimesViewController(); }
    static QAbstractItemModel* list() { return switches()->switches(); }
    static QVariant role(int row, const QByteArray& name) {
        QAbstractItemModel* model = list();
        return model->data(model->index(row, 0), model->roleNames().key(name));
    }
    static int model(const QString& name) {
        for (const devices::Device& device : devices::DeviceService::instance().devices()) {
            if (device.name() == name)
                return device.ot2Number();
        }
        return -1;
    }
    static QDateTime at(int hour, int minute) { return QDateTime(QDate(2026, 3, 29), QTime(hour, minute), Qt::UTC); }

    QQuickItem* item(const QString& name) const { return harness->findByName(name); }

    bool settled() const {
        return ViewHarness::waitFor([this] { return !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool(); });
    }

    // The program view of a new project in the program's window; its grid.
    QQuickItem* openProgram() {
        if (!mainWindow) {
            harness->loadData("import QtQuick\nItem {}");
            harness->window()->hide();
            mainWindow = harness->loadMain();
        }
        if (!mainWindow || !main().createProject(model(QStringLiteral("Tarvino Rix3 Weekly 2")), QStringLiteral("Halle 7")))
            return nullptr;
        harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
        harness->evaluate(QStringLiteral("ViewLoader.openView(View.ProjectContentView, {}, true)"));
        if (!ViewHarness::waitFor([this] { return item(QStringLiteral("switchGrid")); }) || !settled())
            return nullptr;
        QQuickItem* grid = item(QStringLiteral("switchGrid"));
        return ViewHarness::waitFor([grid] { return grid->width() > 0; }) ? grid : nullptr;
    }

    // The grid's point in the middle of the row and of the hour from the minute of the day (the
    // whole day shown, an hour a column), on the side the reading direction puts it.
    static QPointF cell(QQuickItem* grid, int row, int minute, bool mirrored) {
        const double rowHeight = grid->height() / grid->property("rows").toInt();
        const double x = (minute + 30) / 1440.0 * grid->width();
        return {mirrored ? grid->width() - x : x, (row + 0.5) * rowHeight};
    }

    // The first column of the item, inside its padding, where the window shows text; -1 for none.
    static int firstInk(QQuickItem* item) {
        const QImage image = item->window()->grabWindow();
        const double padding = item->property("leftPadding").isValid() ? item->property("leftPadding").toDouble() : 0;
        const QPointF origin = item->mapToScene(QPointF(0, 0));
        const int y = int((origin.y() + std::min(item->height(), 40.0) / 2) * image.devicePixelRatio());
        const QRgb background = image.pixel(int((origin.x() + padding / 2) * image.devicePixelRatio()), y);
        for (double x = padding; x < item->width() - padding; ++x) {
            if (image.pixel(int((origin.x() + x) * image.devicePixelRatio()), y) != background)
                return int(x);
        }
        return -1;
    }

private slots:
    void initTestCase() { harness = std::make_unique<ViewHarness>(); }
    void cleanupTestCase() { harness.reset(); }
    void cleanup() {
        QVERIFY(harness->setLanguage(QStringLiteral("de")));
        main().closeProject();
    }

    // A Latin name or entry in a right-to-left view still starts on the right; the mirrored
    // layout must not flip it a second time. Texts and one-line entries follow a change of the
    // language while they are shown; a text area is read as it is made.
    void textsFollowTheReadingDirection_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("followsSwitch");
        QTest::newRow("text") << QStringLiteral("components/DefaultText.qml") << true;
        QTest::newRow("entry") << QStringLiteral("components/DefaultTextField.qml") << true;
        QTest::newRow("area") << QStringLiteral("components/DefaultTextArea.qml") << false;
    }
    void textsFollowTheReadingDirection() {
        QFETCH(QString, file);
        QFETCH(bool, followsSwitch);
        QQuickItem* text = nullptr;
        for (const char* language : {"de", "he", "el", "he", "de"}) {
            QVERIFY(harness->setLanguage(QString::fromLatin1(language)));
            if (!text || !followsSwitch) {
                text = qobject_cast<QQuickItem*>(
                    harness->load(file, {{QStringLiteral("text"), QStringLiteral("Halle 7")}, {QStringLiteral("width"), 300}}));
                QVERIFY(text);
            }
            const bool rightToLeft = QLatin1String(language) == QLatin1String("he");
            QCOMPARE(text->property("effectiveHorizontalAlignment").toInt(), int(rightToLeft ? Qt::AlignRight : Qt::AlignLeft));
            const int start = firstInk(text);
            QVERIFY2(rightToLeft ? start > text->width() / 2 : start >= 0 && start < text->width() / 2,
                     qPrintable(QStringLiteral("%1 starts at %2").arg(QLatin1String(language)).arg(start)));
        }
    }

    // The world map is geography, not reading order: east stays on the right, and the marker and
    // a click keep to the coordinates.
    void worldMapIsNotMirrored_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("de") << QStringLiteral("de");
        QTest::newRow("he") << QStringLiteral("he");
    }
    void worldMapIsNotMirrored() {
        QFETCH(QString, language);
        QVERIFY(harness->setLanguage(language));
        CoordinatesSettingsController location;
        QVERIFY(harness->load(QStringLiteral("app/astro/AstroLocation.qml"),
                              {{QStringLiteral("locationController"), QVariant::fromValue(&location)},
                               {QStringLiteral("width"), 768},
                               {QStringLiteral("height"), 550}}));
        QQuickItem* map = item(QStringLiteral("worldMap"));
        QVERIFY(map);
        const auto pointAt = [map](double latitude, double longitude) {
            QPointF point;
            QMetaObject::invokeMethod(map, "pointAt", Q_RETURN_ARG(QPointF, point), Q_ARG(double, latitude),
                                      Q_ARG(double, longitude));
            return point;
        };
        location.setLatitudeLongitude(48.1372, 11.5756);
        QVERIFY(ViewHarness::waitFor([&] { return QRectF(QPointF(), map->size()).contains(pointAt(48.1372, 11.5756)); }));
        const QPointF munich = pointAt(48.1372, 11.5756);
        const QPointF vienna = pointAt(48.2082, 16.3738);
        QVERIFY(vienna.x() > munich.x() + 10);
        QQuickItem* marker = item(QStringLiteral("mapMarker"));
        QVERIFY(marker);
        const QPointF centre = marker->mapToItem(map, QPointF(marker->width() / 2, marker->height() / 2));
        QVERIFY((centre - munich).manhattanLength() <= 2);
        QVERIFY(harness->clickAt(map, vienna));
        QVERIFY(ViewHarness::waitFor([&] { return qAbs(location.longitude() - 16.3738) < 0.5; }));
        harness->load(QStringLiteral("components/DefaultText.qml"));
    }

    // The mode bar starts at the right edge in Hebrew and comes back to the left in German.
    void windowMirrorsWithTheLanguage() {
        QVERIFY(openProgram());
        // The bar makes its buttons anew with the texts of each language.
        const auto first = [this] { return item(QStringLiteral("gridMode_0")); };
        QVERIFY(first());
        const double width = mainWindow->width();
        const double left = first()->mapToScene(QPointF(0, 0)).x();
        QVERIFY(left < width / 2);
        for (const char* language : {"he", "de", "he", "el"}) {
            QVERIFY(harness->setLanguage(QString::fromLatin1(language)));
            QVERIFY(settled());
            const bool mirrored = QLatin1String(language) == QLatin1String("he");
            QVERIFY(ViewHarness::waitFor([&] {
                const QQuickItem* button = first();
                const double expected = mirrored ? width - left - button->width() : left;
                return button && qAbs(button->mapToScene(QPointF(0, 0)).x() - expected) < 1;
            }));
            QCOMPARE(item(QStringLiteral("switchGrid"))->property("mirror").toBool(), mirrored);
        }
    }

    // A switch time drawn at a point of the grid, then selected by a drag around that point:
    // in Hebrew the morning lies on the right.
    void gridHitsTheMirroredPoint_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("de") << QStringLiteral("de") << false;
        QTest::newRow("he") << QStringLiteral("he") << true;
    }
    void gridHitsTheMirroredPoint() {
        QFETCH(QString, language);
        QFETCH(bool, mirrored);
        QVERIFY(harness->setLanguage(language));
        QQuickItem* grid = openProgram();
        QVERIFY(grid);
        QVERIFY(harness->click(item(QStringLiteral("gridMode_1"))));
        ViewHarness::drag(grid, cell(grid, 0, 8 * 60, mirrored), cell(grid, 1, 8 * 60, mirrored));
        QCOMPARE(list()->rowCount(), 1);
        QCOMPARE(role(0, "startDays").toInt(), 128 | 64);
        QCOMPARE(role(0, "startTime").toDateTime().time().hour(), 8);

        // Around the time on the reading direction's side the grid offers the switch time to
        // copy; on the other side there is nothing.
        QVERIFY(harness->click(item(QStringLiteral("gridMode_0"))));
        ViewHarness::drag(grid, cell(grid, 0, 7 * 60, mirrored), cell(grid, 0, 9 * 60, mirrored));
        QVERIFY(ViewHarness::waitFor([this] { return harness->findPopup(QStringLiteral("gridBubbleMenu")); }));
        QQuickItem* copy = item(QStringLiteral("bubbleCopy"));
        QVERIFY(copy && copy->isEnabled());
        QVERIFY(harness->click(copy));
        QVERIFY(ViewHarness::waitFor([this] { return !harness->findPopup(QStringLiteral("gridBubbleMenu")); }));
        ViewHarness::drag(grid, cell(grid, 0, 20 * 60, mirrored), cell(grid, 0, 21 * 60, mirrored));
        copy = item(QStringLiteral("bubbleCopy"));
        QVERIFY(!harness->findPopup(QStringLiteral("gridBubbleMenu")) || (copy && !copy->isEnabled()));
    }

    // The switch time is painted where it is hit: the Hebrew grid is the German one mirrored.
    void gridPaintsMirrored() {
        QQuickItem* grid = openProgram();
        QVERIFY(grid);
        switches()->createFromTable(0, 1, 128, -1, at(8, 0), {}, {}, {});
        switches()->createFromTable(0, 0, 128, -1, at(16, 0), {}, {}, {});
        const QList<int> minutes{4 * 60, 8 * 60, 12 * 60, 16 * 60, 20 * 60};
        // The colours of Monday at those hours; the layout around the grid changes with the texts.
        const auto colours = [this, &minutes](bool mirrored) {
            QQuickItem* grid = item(QStringLiteral("switchGrid"));
            const QImage image = mainWindow->grabWindow();
            QList<QRgb> found;
            for (const int minute : minutes)
                found.append(image.pixel(grid->mapToScene(cell(grid, 0, minute, mirrored)).toPoint() * image.devicePixelRatio()));
            return found;
        };
        const QList<QRgb> german = colours(false);
        QVERIFY(german[1] != german[0]);
        QVERIFY(german[2] != german[3]);
        QVERIFY(harness->setLanguage(QStringLiteral("he")));
        QVERIFY(settled());
        QCOMPARE(colours(true), german);
        QVERIFY(colours(false) != german);
    }
};

QTEST_MAIN(TestViewRtl)
#include "tst_view_rtl.moc"
