#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <memory>

class QQmlEngine;
class QQuickItem;
class QQuickWindow;
class TarvinoApp;

namespace softwareversion {
class QuickSoftwareVersion;
}

// The harness every view test builds on. It starts the program's real services (TarvinoApp)
// in the test's isolated home, loads main.qml or one QML file of the module "Tarvino" into a
// window of fixed size, and drives it with real QTest events.
//
// Any QML or JavaScript warning or error while a harness exists fails the running test
// function: messages of the categories "qml", "js" and "qt.qml*", and any message that names
// "qrc:/orvindal/". Use QEXPECT_FAIL before the step that is meant to warn. Outside a test
// function (the screenshot scenes) such messages are only recorded, see offences().
//
// One harness per test case (create it in initTestCase()); each load() replaces the view
// shown before. Typical use:
//
//     ViewHarness harness;                       // German, terms accepted, 1280 x 800
//     harness.load("components/DefaultButton.qml", {{"text", "OK"}});
//     harness.click(harness.find("OK"));
//     QVERIFY(harness.waitFor([&] { return ...; }));
class ViewHarness : public QObject {
    Q_OBJECT

public:
    struct Options {
        QString language = QStringLiteral("de"); // language code chosen at start
        bool termsAccepted = true;               // the stored acceptance of the terms
        QSize windowSize{1280, 800};             // size of the window a view is loaded into
    };

    ViewHarness();
    explicit ViewHarness(const Options& options);
    ~ViewHarness() override;

    TarvinoApp& app() const;
    QQmlEngine& engine() const;

    // Switches the interface language at run time (a code such as "he"); false when the
    // program carries no such translation.
    bool setLanguage(const QString& code);

    // Loads "qrc:/orvindal/Tarvino/main.qml"; the program's window, inside its native main
    // window sized to the window size, once its first view is open. Returns the QML window, or
    // null on failure.
    QQuickWindow* loadMain();

    // Creates the QML file `path` (relative to the module, as "components/Calendar.qml", or
    // a full URL) with `properties` and shows it. An item fills the fixed-size window unless
    // the properties give its width or height; a pop-up goes into that window; a Window shows
    // as itself. Returns the created object, or null (with the errors logged) on failure.
    QObject* load(const QString& path, const QVariantMap& properties = {});
    // The same for QML text, for small scenes written in a test.
    QObject* loadData(const QByteArray& qml, const QVariantMap& properties = {});
    QObject* loaded() const;
    // The window load() shows items and pop-ups in.
    QQuickWindow* window() const;

    // The first visible item, in any shown window (dialogs and pop-ups included), whose
    // objectName or text is `nameOrText`; null when there is none.
    QQuickItem* find(const QString& nameOrText) const;
    QQuickItem* findByName(const QString& objectName) const;
    QQuickItem* findByText(const QString& text) const;
    // An open pop-up (Popup) by objectName; null when none is open.
    QObject* findPopup(const QString& objectName) const;
    QList<QObject*> openPopups() const;
    // The shown Window objects besides the harness's window and the main window
    // (WindowDialog and the like).
    QList<QQuickWindow*> dialogs() const;

    // Real mouse events on the item's window, at `position` in item coordinates (default:
    // the centre). All return false when the item is missing or not visible.
    bool click(QQuickItem* item, Qt::MouseButton button = Qt::LeftButton) const;
    bool clickAt(QQuickItem* item, QPointF position, Qt::MouseButton button = Qt::LeftButton) const;
    bool doubleClick(QQuickItem* item) const;
    bool rightClick(QQuickItem* item) const;
    bool press(QQuickItem* item) const;
    bool release(QQuickItem* item) const;
    bool pressAndHold(QQuickItem* item, int milliseconds = 900) const;

    // Opens the combo box's list, scrolls to the row and clicks it; false when the list does
    // not open, the row does not show or the box does not take it.
    bool choose(QQuickItem* box, int row) const;

    // Gives the item the keyboard focus and types into its window.
    bool typeText(QQuickItem* item, const QString& text) const;
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

    // The item's "text" property.
    static QString text(const QQuickItem* item);

    // Presses at `from`, moves in four steps and releases at `to`, in the item's coordinates.
    static void drag(QQuickItem* item, QPointF from, QPointF to);
    // The phone's layout (display override) in a window of a phone's size, or the desktop's.
    void setPhoneLayout(bool phone);

    // Processes events until `condition` holds; false after `timeout` ms.
    static bool waitFor(const std::function<bool()>& condition, int timeout = 5000);
    // Waits until the window has drawn a frame after now.
    static bool waitForFrame(QQuickWindow* window);

    // Triggers the native menu action with this text ("&Öffnen" or "Öffnen"); false when
    // there is none or it is disabled.
    bool triggerMenuAction(const QString& text) const;
    QStringList menuActionTexts() const;

    // Evaluates a JavaScript expression in a scope that imports QtQuick and Tarvino, with the
    // program's root-context properties: "Colors.isDarkColor('#144A81')".
    QVariant evaluate(const QString& expression);

    // The QML messages that failed tests so far.
    QStringList offences() const;

private:
    void start(const Options& options);
    QObject* show(QObject* created, const QVariantMap& properties);
    void clearLoaded();
    QList<QQuickWindow*> shownWindows() const;
    QQuickWindow* focusWindow() const;

    Options m_options;
    std::unique_ptr<softwareversion::QuickSoftwareVersion> m_softwareVersion;
    std::unique_ptr<TarvinoApp> m_app;
    std::unique_ptr<QQuickWindow> m_window;
    QPointer<QObject> m_loaded;
    std::unique_ptr<QObject> m_scope;
};
