#include <QSignalSpy>
#include <QTest>

#include <storage/favoritelocation.h>

#include "favoritelocations.h"

class TestFavoriteLocations : public QObject {
    Q_OBJECT

private slots:
    void rowsShowTheLocations()
    {
        storage::FavoriteLocation zurich;
        zurich.setCity(QStringLiteral("Zürich"));
        zurich.setLatitude(47.37);
        zurich.setLongitude(8.54);
        zurich.setTimezone(13);
        storage::FavoriteLocation santiago;
        santiago.setCity(QStringLiteral("Santiago"));
        santiago.setLatitude(-33.45);
        santiago.setLongitude(-70.66);
        santiago.setTimezone(7);

        FavoriteLocations model;
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setLocations({&zurich, &santiago});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 2);
        const QModelIndex second = model.index(1);
        QCOMPARE(model.data(second, FavoriteLocations::NameRole).toString(), QStringLiteral("Santiago"));
        QCOMPARE(model.data(second, FavoriteLocations::LatitudeRole), QVariant(-33));
        QCOMPARE(model.data(second, FavoriteLocations::LongitudeRole), QVariant(-70));
        QCOMPARE(model.data(second, FavoriteLocations::TimezoneRole), QVariant(7));
        QCOMPARE(model.data(model.index(0), FavoriteLocations::NameRole).toString(), QStringLiteral("Zürich"));
        QVERIFY(!model.data(second, Qt::DisplayRole).isValid());
        QVERIFY(!model.data(model.index(2), FavoriteLocations::NameRole).isValid());
        QCOMPARE(model.roleNames().value(260), QByteArray("timezone"));

        model.setLocations({});
        QCOMPARE(model.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFavoriteLocations)
#include "tst_favoritelocations.moc"
