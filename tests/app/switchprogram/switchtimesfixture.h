#pragma once

#include "switchtimesowner.h"
#include "switchtimesviewcontroller.h"

#include <QTemporaryDir>
#include <QTest>

#include <storage/program.h>
#include <storage/storageservice.h>

#include <memory>

// The owner of a switch-times view: one program, the model's impulse and cycle flags and, when
// set, the astro parameters of an astro channel.
class TestSwitchTimesOwner : public SwitchTimesOwner {
public:
    storage::StorableRef<storage::Program> selectedProgramRef() override { return program; }
    int selectedChannelIndex() const override { return 0; }
    bool hasImpuls() const override { return impuls; }
    bool hasZyclus() const override { return zyclus; }
    bool isControls() const override { return controls; }
    int switchCount() const override { return int(program->switches().size()); }
    std::optional<AstroYearParameters> astroParameters(int) override { return astro; }

    storage::StorableRef<storage::Program> program{new storage::Program(0)};
    bool impuls = true;
    bool zyclus = true;
    bool controls = false;
    std::optional<AstroYearParameters> astro;
};

// A store for new switch times and a loaded view over an empty program.
struct SwitchTimesFixture {
    SwitchTimesFixture() {
        storage::StorageService::m_instance = &storage;
        QVERIFY(storage.open(folder.filePath(QStringLiteral("projects.sqlite"))));
        view = std::make_unique<SwitchTimesViewController>(&owner, nullptr);
        view->reloadSwitches();
    }
    ~SwitchTimesFixture() {
        view.reset();
        storage::StorageService::m_instance = nullptr;
    }

    SwitchTimeListModel* list() const { return view->switches(); }
    storage::SwitchTime at(int row) const { return list()->switches().value(row); }
    static QDateTime time(int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 3, 29), QTime(hour, minute, second), Qt::UTC);
    }

    QTemporaryDir folder;
    storage::StorageService storage;
    TestSwitchTimesOwner owner;
    std::unique_ptr<SwitchTimesViewController> view;
};
