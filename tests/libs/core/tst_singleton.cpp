#include <QTest>
#include <memory>

#include <utils/singleton.h>

namespace {
class Service : public utils::Singleton<Service> {
public:
    inline static Service* m_instance = nullptr;
};

// As the application object does it: the creator records the object.
std::unique_ptr<Service> create()
{
    auto service = std::make_unique<Service>();
    Service::m_instance = service.get();
    return service;
}
} // namespace

class TestSingleton : public QObject {
    Q_OBJECT

private slots:
    void recordedObjectIsTheInstance()
    {
        QVERIFY(!Service::hasInstance());
        const auto service = create();
        QVERIFY(Service::hasInstance());
        QCOMPARE(&Service::instance(), service.get());
    }

    void destroyingTheInstanceClearsIt()
    {
        create().reset();
        QVERIFY(!Service::hasInstance());
        QCOMPARE(Service::m_instance, nullptr);
    }

    void canBeBuiltAgainAfterDestruction()
    {
        create().reset();
        const auto second = create();
        QVERIFY(Service::hasInstance());
        QCOMPARE(&Service::instance(), second.get());
    }

    void destroyingAnotherObjectKeepsTheInstance()
    {
        const auto recorded = create();
        std::make_unique<Service>().reset();
        QVERIFY(Service::hasInstance());
        QCOMPARE(&Service::instance(), recorded.get());
    }
};

QTEST_GUILESS_MAIN(TestSingleton)
#include "tst_singleton.moc"
