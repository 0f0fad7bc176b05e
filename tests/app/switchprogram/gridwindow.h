#pragma once

#include "observedgridcontroller.h"
#include "switchgrid.h"
#include "switchtimelistmodel.h"

#include <QImage>
#include <QPainter>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtMath>

// A week grid over a real switch-time list, in an offscreen window so that the mouse and fingers
// reach it, painted into an image the way the item paints itself. With the default zoom (24
// buckets of an hour) and the default size, every bucket and row is 20 pixels.
struct GridWindow {
    static constexpr int Bucket = 20;
    static constexpr int Width = 24 * Bucket + 1;
    static constexpr int Height = 7 * Bucket + 1;

    // The software renderer needs no graphics device; call before the first window is made.
    static void useSoftwareRendering() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    explicit GridWindow(const QList<storage::SwitchTime>& switches = {}) {
        model.setSwitches(switches);
        window.resize(Width + 120, Height + 60);
        grid = new SwitchGrid(window.contentItem());
        grid->setSize(QSizeF(Width, Height));
        grid->setController(&controller);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    QImage paint() const {
        QImage image(qCeil(grid->width()), qCeil(grid->height()), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        grid->paint(&painter);
        return image;
    }

    // The window position of a minute of a row, at the row's middle.
    QPoint at(int row, double minute) const {
        const double bucket = minute / grid->steps();
        const double position = grid->mirror() ? grid->cols() / grid->steps() - bucket : bucket;
        const double x = grid->width() * (position - grid->offset()) / grid->visibleSteps();
        const double y = grid->height() * (row + 0.5) / grid->rows();
        return grid->mapToScene(QPointF(x, y)).toPoint();
    }

    SwitchTimeListModel model;
    ObservedGridController controller{&model};
    QQuickWindow window;
    SwitchGrid* grid = nullptr;
};
