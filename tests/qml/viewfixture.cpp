#include "viewfixture.h"

#include <QQuickItem>

#include <devices/deviceservice.h>

#include "exportfiles.h"
#include "maincontroller.h"

int ViewFixture::model(const QString& name)
{
    for (const devices::Device& device : devices::DeviceService::instance().devices()) {
        if (device.name() == name)
            return device.ot2Number();
    }
    return -1;
}

MainController& ViewFixture::main()
{
    return MainController::instance();
}

QQuickItem* ViewFixture::item(const QString& name) const
{
    return harness->findByName(name);
}

QString ViewFixture::textOf(const QString& name) const
{
    return ViewHarness::text(item(name));
}

bool ViewFixture::clickOn(const QString& name) const
{
    return harness->click(item(name));
}

QStringList ViewFixture::entries(QQuickItem* box)
{
    QStringList texts;
    for (int row = 0; box && row < box->property("count").toInt(); ++row) {
        QString text;
        QMetaObject::invokeMethod(box, "textAt", Q_RETURN_ARG(QString, text), Q_ARG(int, row));
        texts << text;
    }
    return texts;
}

bool ViewFixture::chooseIn(const QString& name, int row) const
{
    QQuickItem* box = item(name);
    if (!box || !harness->click(box) || row >= box->property("count").toInt())
        return false;
    QObject* list = box->property("popup").value<QObject*>();
    QMetaObject::invokeMethod(list, "close");
    // A long list lies over the buttons until it has faded.
    ViewHarness::waitFor([list] { return !list->property("visible").toBool(); });
    return QMetaObject::invokeMethod(box, "activated", Q_ARG(int, row));
}

bool ViewFixture::typeTime(const QString& name, const QString& digits) const
{
    QQuickItem* field = item(name);
    if (!field || !harness->click(field))
        return false;
    field->setProperty("cursorPosition", 0);
    return harness->typeText(field, digits);
}

bool ViewFixture::settled() const
{
    return ViewHarness::waitFor([this] { return !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool(); });
}

bool ViewFixture::openView(const QString& kind, const QString& shown) const
{
    harness->evaluate(QStringLiteral("ViewLoader.stack.clear()"));
    harness->evaluate(QStringLiteral("ViewLoader.openView(View.%1, {}, true)").arg(kind));
    return ViewHarness::waitFor([this, shown] { return item(shown) != nullptr; }) && settled();
}

bool ViewFixture::saveAndReopen() const
{
    const QString path = folder.filePath(QStringLiteral("project.ot2"));
    ExportFiles::setSaveFileChooser([path](const QString&) { return path; });
    if (!main().saveCurrentProject(true))
        return false;
    harness->load(QStringLiteral("components/DefaultText.qml"));
    main().closeProject();
    return main().importOt2File(path) && main().openCurrentProject();
}

int ViewFixture::currentViewKind() const
{
    return harness->evaluate(QStringLiteral("ViewLoader.stack.currentItem ? ViewLoader.stack.currentItem.viewKind : -1"))
        .toInt();
}

bool ViewFixture::showsPage(int kind) const
{
    return ViewHarness::waitFor([this, kind] {
        return currentViewKind() == kind && !harness->evaluate(QStringLiteral("ViewLoader.stack.busy")).toBool();
    });
}
