#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "viewharness.h"

class MainController;
class QQuickItem;

// The helpers the view tests share. A test case derives from ViewFixture instead of QObject,
// creates `harness` in initTestCase() and uses the helpers by the objectNames of its items.
class ViewFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<ViewHarness> harness;
    // Where saveAndReopen() writes the project.
    QTemporaryDir folder;

    // The device number of the catalogue model of this name; -1 when there is none.
    static int model(const QString& name);
    static MainController& main();

    // The first visible item of this objectName, its text, a click on it.
    QQuickItem* item(const QString& name) const;
    QString textOf(const QString& name) const;
    bool clickOn(const QString& name) const;

    // The texts of a combo box's rows; none without a box.
    static QStringList entries(QQuickItem* box);
    // Picks a row of a combo box as its list does: the box opens, the row is activated.
    bool chooseIn(const QString& name, int row) const;
    // Types the digits over a time field from its start.
    bool typeTime(const QString& name, const QString& digits) const;

    // The main window's stack takes no input while it moves from view to view.
    bool settled() const;
    // Opens the view of this kind (a name of View) alone on the main window's stack and waits
    // until the item `shown` is there and the stack has settled.
    bool openView(const QString& kind, const QString& shown) const;

    // The viewKind of the view on top of the main window's stack; -1 without one.
    int currentViewKind() const;
    // The stack shows the view of `kind`, once its transition is over.
    bool showsPage(int kind) const;

    // Writes the open project to a file, closes it and opens the file again.
    bool saveAndReopen() const;
};
