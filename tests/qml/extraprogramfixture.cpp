#include "extraprogramfixture.h"

#include <QAbstractItemModel>

#include "daterangelistmodel.h"
#include "extraprogramviewcontroller.h"
#include "maincontroller.h"
#include "projectcontentcontroller.h"

ExtraProgramViewController* ExtraProgramFixture::extra()
{
    return main().projectContent()->extraProgramViewController(1);
}

QAbstractItemModel* ExtraProgramFixture::ranges()
{
    return extra()->dateRanges();
}

QVariant ExtraProgramFixture::role(int row, const QByteArray& name)
{
    QAbstractItemModel* list = ranges();
    return list->data(list->index(row, 0), list->roleNames().key(name));
}

QDateTime ExtraProgramFixture::wall(QDate date, QTime time)
{
    return QDateTime(date, time, Qt::UTC);
}

void ExtraProgramFixture::create(int type, const QDateTime& start, const QDateTime& end, int startDay, int endDay,
                                 ExtraProgramViewController* program)
{
    (program ? program : extra())->createFromTable(type, start, end, start, end, startDay, endDay);
}
