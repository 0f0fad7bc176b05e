#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>

#include "viewfixture.h"

class ExtraProgramViewController;
class QAbstractItemModel;

// The helpers of the extra-program view tests, on the first extra program of the open project.
class ExtraProgramFixture : public ViewFixture {
    Q_OBJECT

protected:
    static ExtraProgramViewController* extra();
    static QAbstractItemModel* ranges();
    // A role of a row of the program's date ranges, by its name.
    static QVariant role(int row, const QByteArray& name);
    // A device time: the date and time as they stand, without a zone.
    static QDateTime wall(QDate date, QTime time = QTime(0, 0));
    // A range made as the table's footer makes it, in the first extra program unless another is given.
    static void create(int type, const QDateTime& start, const QDateTime& end, int startDay = 0, int endDay = 1,
                       ExtraProgramViewController* program = nullptr);
};
