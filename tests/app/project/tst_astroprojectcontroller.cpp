#include "projectsfixture.h"

#include <QSignalSpy>

#include "astrochannelcontroller.h"
#include "astroprojectcontroller.h"
#include "controlsprojectcontroller.h"
#include "hybridprojectcontroller.h"
#include "noctaprojectcontroller.h"
#include "projectcontrollerfactory.h"

#include <astroengine.h>
#include <countries/countryservice.h>
#include <functional>

namespace {

// One catalogue country with one city.
const char* const catalogue = R"([
 {"Name": "Erstland", "LenCity": "1", "cities": [
  {"Name": "Alpha", "La": "10.5", "Lo": "20.5", "Zo": "13", "Fc": "65", "Cs": "16"}]}
])";

const char* expectedClass(const devices::Device& model) {
    switch (model.type()) {
    case 1:
        return "AstroProjectController";
    case 2:
        return "NoctaProjectController";
    case 3:
        return "ControlsProjectController";
    default:
        return model.canSelectChannelType() ? "HybridProjectController" : "ProjectController";
    }
}

} // namespace

class TestAstroProjectController : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProjectsFixture> f;
    std::unique_ptr<countries::CountryService> m_countries;

    int firstModel(const std::function<bool(const devices::Device&)>& fits) const {
        for (const devices::Device& model : f->devices->devices()) {
            if (fits(model))
                return model.ot2Number();
        }
        return -1;
    }
    int astroModel(bool ownTable) const {
        return firstModel([ownTable](const devices::Device& model) {
            return model.type() == 1 && model.hasOwnAstroTable() == ownTable;
        });
    }
    int hybridModel() const {
        return firstModel([](const devices::Device& model) {
            return model.type() != 1 && model.type() != 2 && model.type() != 3 && model.canSelectChannelType();
        });
    }
    int controlsModel() const {
        return firstModel([](const devices::Device& model) { return model.type() == 3; });
    }
    template <class Controller>
    std::unique_ptr<Controller> open(int model) {
        if (model < 0)
            return nullptr;
        return std::make_unique<Controller>(ProjectsFixture::stored(model, QStringLiteral("Astro")));
    }

private slots:
    void init() {
        f = std::make_unique<ProjectsFixture>();
        m_countries = std::make_unique<countries::CountryService>();
        countries::CountryService::m_instance = m_countries.get();
        m_countries->loadCatalogue(catalogue);
    }
    void cleanup() {
        f.reset();
        m_countries.reset();
    }

    void factoryOpensEveryModel() {
        for (const devices::Device& model : f->devices->devices()) {
            const std::unique_ptr<ProjectController> controller(ProjectControllerFactory::create(
                ProjectsFixture::stored(model.ot2Number(), QStringLiteral("Any"))));
            QVERIFY2(controller, qPrintable(QString::number(model.ot2Number())));
            QCOMPARE(controller->metaObject()->className(), expectedClass(model));
        }
    }

    void kindsAnswerTheirRoles() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        const auto hybrid = open<HybridProjectController>(hybridModel());
        const auto controls = open<ControlsProjectController>(controlsModel());
        QVERIFY(astro && hybrid && controls);
        QVERIFY(astro->isAstro() && !astro->isHybrid() && !astro->isControls() && astro->hasAstroChannels());
        QVERIFY(!hybrid->isAstro() && hybrid->isHybrid() && !hybrid->isControls());
        QVERIFY(!controls->isAstro() && controls->isHybrid() && controls->isControls());
        QVERIFY(astro->coordinatesController());
    }

    void soWiRuleNameFollowsTheModel_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("name");
        // Models with rules of their own number them after New Zealand and Australia.
        QTest::newRow("plain rule") << 111 << 1 << QStringLiteral("Europa");
        QTest::newRow("own rule") << 111 << 8 << QStringLiteral("Eigene Regel");
        QTest::newRow("own table") << 111 << 9 << QStringLiteral("Eigene Tabelle");
        QTest::newRow("New Zealand") << 111 << 6 << QStringLiteral("Neuseeland");
        QTest::newRow("fixed date") << 21 << 8 << QStringLiteral("Festes Datum");
        QTest::newRow("Australia") << 21 << 9 << QStringLiteral("Australien");
    }

    void soWiRuleNameFollowsTheModel() {
        QFETCH(int, model);
        QFETCH(int, rule);
        QFETCH(QString, name);
        const auto astro = open<AstroProjectController>(model);
        QVERIFY(astro);
        const bool differs = astro->soWiRuleType() != rule;
        QSignalSpy changed(astro.get(), &AstroProjectController::soWiRuleNameChanged);
        astro->setSoWiRuleType(rule);
        QCOMPARE(astro->property("soWiRuleName").toString(), name);
        // The name's change signal, for the views.
        QCOMPARE(changed.count(), differs ? 1 : 0);
    }

    void astroProjectChannelsAreAstronomic() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        QVERIFY(qobject_cast<AstroChannelController*>(astro->channel(0)));
        QCOMPARE(astro->channel(0), astro->channel(0));
    }

    void hybridChannelsFollowFunction_data() {
        QTest::addColumn<bool>("controls");
        QTest::newRow("hybrid") << false;
        QTest::newRow("controls") << true;
    }

    void hybridChannelsFollowFunction() {
        QFETCH(bool, controls);
        storage::Project stored(controls ? controlsModel() : hybridModel(), QStringLiteral("Hybrid"));
        stored.data()->channel(1)->setFunction(storage::Channel::AstroFunction);
        stored.store();
        const std::unique_ptr<ProjectController> controller(ProjectControllerFactory::create(stored));
        QVERIFY(controller);
        QSignalSpy astroChannels(controller.get(), &ProjectController::hasAstroChannelsChanged);
        QVERIFY(!controller->hasAstroChannels());
        QCOMPARE(controller->channel(0)->channelType(), ChannelController::PlainType);
        QVERIFY(!controller->hasAstroChannels());
        QCOMPARE(controller->channel(1)->channelType(), ChannelController::AstroType);
        QVERIFY(controller->hasAstroChannels());
        QCOMPARE(controller->channel(7)->channelType(), ChannelController::PlainType);
        QCOMPARE(astroChannels.count(), 3);
        QCOMPARE(controller->channel(1), controller->channel(1));
        QCOMPARE(astroChannels.count(), 3);
    }

    void favoritesAreEdited() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        QSignalSpy added(astro.get(), &AstroProjectController::favoriteLocationAdded);
        astro->addFavorite();
        QCOMPARE(added.count(), 1);
        QCOMPARE(astro->favoriteLocations()->rowCount(), 1);
        astro->setFavorite({{"index", 0}, {"type", 0}, {"value", "HOME"}});
        astro->setFavorite({{"index", 0}, {"type", 1}, {"value", 47}});
        astro->setFavorite({{"index", 0}, {"type", 2}, {"value", -8}});
        astro->setFavorite({{"index", 0}, {"type", 3}, {"value", 11}});
        const storage::FavoriteLocation& home = *storage::AstroProject(astro->project()).favoriteLocation(0);
        QCOMPARE(home.city(), QStringLiteral("HOME"));
        QCOMPARE(home.latitude(), 47.0);
        QCOMPARE(home.longitude(), -8.0);
        QCOMPARE(home.timezone(), 11);
    }

    void badFavoriteEditsChangeNothing_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("type");
        QTest::newRow("type 4") << 0 << 4;
        QTest::newRow("negative index") << -1 << 0;
        QTest::newRow("index past the list") << 1 << 0;
    }

    void badFavoriteEditsChangeNothing() {
        QFETCH(int, index);
        QFETCH(int, type);
        const auto astro = open<AstroProjectController>(astroModel(false));
        astro->addFavorite();
        astro->setFavorite({{"index", index}, {"type", type}, {"value", "X"}});
        const storage::AstroProject project(astro->project());
        QCOMPARE(project.favoriteLocations().size(), 1);
        QCOMPARE(project.favoriteLocation(0)->city(), QString());
    }

    // An edited favourite near the project's position becomes its city; empty ones go.
    void editedFavoriteIsMatched() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        CoordinatesSettingsController* location = astro->coordinatesController();
        location->setCountry(CoordinatesSettingsController::FavoritesRow);
        location->setLatitudeLongitude(-40.1, 60.1);
        location->setTimezone(11);
        // Matching no city, the favourites row stays shown.
        QCOMPARE(location->country(), CoordinatesSettingsController::FavoritesRow);
        QCOMPARE(location->city(), -1);
        astro->addFavorite();
        astro->addFavorite();
        astro->setFavorite({{"index", 1}, {"type", 0}, {"value", "HOME"}});
        astro->setFavorite({{"index", 1}, {"type", 1}, {"value", -40}});
        astro->setFavorite({{"index", 1}, {"type", 2}, {"value", 60}});
        astro->setFavorite({{"index", 1}, {"type", 3}, {"value", 11}});
        astro->refreshAfterFavoriteEdition();
        QCOMPARE(astro->favoriteCities().size(), 1);
        QCOMPARE(location->country(), CoordinatesSettingsController::FavoritesRow);
        QCOMPARE(location->city(), 0);
        QCOMPARE(location->cityName(), QStringLiteral("HOME"));
        QVERIFY(location->isFavoriteCity());
    }

    // Whole-degree coordinates of a stored project find their catalogue city by its key.
    void startsAtCityOfStoredKey() {
        storage::Project stored(astroModel(false), QStringLiteral("Keyed"));
        storage::AstroProject keyed(stored);
        keyed.setLatitude(10);
        keyed.setLongitude(20);
        keyed.setFirstChar(65);
        keyed.setChecksum(16);
        stored.store();
        const AstroProjectController astro(stored);
        CoordinatesSettingsController* location = astro.coordinatesController();
        QCOMPARE(location->latitude(), 10.5);
        QCOMPARE(location->longitude(), 20.5);
        QCOMPARE(location->country(), 1);
        QCOMPARE(location->cityName(), QStringLiteral("Alpha"));
    }

    void locationIsWrittenToProject() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        astro->coordinatesController()->setLatitudeLongitude(10.6, 20.4);
        QCOMPARE(astro->latitude(), 10);
        QCOMPARE(astro->longitude(), 20);
        QCOMPARE(astro->timezone(), 13);
        const storage::AstroProject project(astro->project());
        QCOMPARE(project.firstChar(), 65);
        QCOMPARE(project.checksum(), 16);
    }

    void ownTableModelExistsForCapableModels() {
        const int capable = astroModel(true);
        if (capable < 0)
            QSKIP("The catalogue has no astronomic model with an own astro table");
        const auto withTable = open<AstroProjectController>(capable);
        QSignalSpy tab(withTable.get(), &AstroProjectController::astroTabChanged);
        withTable->setOwnAstroEnabled(true);
        QCOMPARE(tab.count(), 1);
        const auto without = open<AstroProjectController>(astroModel(false));
        QCOMPARE(without->ownAstroTableModel(), without->ownAstroTableModel());
    }

    void ownTableIsZeroUnlessEnabled() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        OwnAstroTableModel* model = astro->ownAstroTableModel();
        model->setSunrise(QTime(9, 13), 0);
        model->updateAstroTab();
        QCOMPARE(astro->ownAstroTable(), OwnAstroDayTable());
        astro->setOwnAstroEnabled(true);
        QVERIFY(astro->astroTableEnabled());
        QCOMPARE(astro->ownAstroTable().days[1].sunriseMinute, 13);
        astro->resetOwnAstroTable();
        QVERIFY(!astro->astroTableEnabled());
        QCOMPARE(astro->ownAstroTable(), OwnAstroDayTable());
    }

    // The table reaches the engine the way the year computation hands it over.
    void ownTableDrivesEngine() {
        const auto astro = open<AstroProjectController>(astroModel(false));
        astro->ownAstroTableModel()->setSunset(QTime(16, 21), 9);
        astro->setOwnAstroEnabled(true);
        AstroEngine::setParameters(astro->latitude(), astro->longitude(), astro->timezone(),
                                   astro->summerWinterRule(2024), astro->astroTableEnabled(),
                                   astro->ownAstroTable());
        const TJAstro year = AstroEngine::computeYear(2024, 0, 0, AstroEngine::BuiltInTables);
        QCOMPARE(AstroEngine::minutesOf(year.days[10].sunset), 16 * 60 + 21);
    }
};

QTEST_GUILESS_MAIN(TestAstroProjectController)
#include "tst_astroprojectcontroller.moc"
