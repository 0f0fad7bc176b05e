#pragma once

#include <ownastrodaytable.h>
#include <sowirulerecord.h>
#include <storage/program.h>
#include <storage/storableref.h>

#include <optional>

// Where an astro channel's year is computed: the project's location and rule, and the channel's
// offsets and astro time.
struct AstroYearParameters {
    int latitude = 0;
    int longitude = 0;
    int timezone = 0;
    SoWiRuleRecord rule;
    bool ownTableEnabled = false;
    OwnAstroDayTable ownTable;
    int offsetSunrise = 0;
    int offsetSunset = 0;
    int astroTime = 0;
};

// What the switch-times view controller needs of its owner (the project content controller): the
// program being edited, what the model can do, and the astro facts of the selected channel.
class SwitchTimesOwner {
public:
    virtual ~SwitchTimesOwner() = default;

    // The selected program of the selected channel; a null handle while none is loaded.
    virtual storage::StorableRef<storage::Program> selectedProgramRef() = 0;
    virtual int selectedChannelIndex() const = 0;
    virtual bool hasImpuls() const = 0;
    virtual bool hasZyclus() const = 0;
    virtual bool isControls() const = 0;
    // Switch times of all channels and programs of the project.
    virtual int switchCount() const = 0;
    // The parameters for that year; nothing unless the project and the selected channel are
    // astronomic.
    virtual std::optional<AstroYearParameters> astroParameters(int year) = 0;
};
