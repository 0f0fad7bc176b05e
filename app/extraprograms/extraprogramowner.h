#pragma once

#include <storage/program.h>
#include <storage/storableref.h>

class QObject;

// What the extra-program controllers need of the project content controller that owns them: the
// stored program of the selected channel, the project's counts and device facts, and the
// selected channel's astro mode. The owner's object emits astroModeChanged(int) when that mode
// changes.
class ExtraProgramOwner {
public:
    virtual ~ExtraProgramOwner() = default;

    // The owner as the object QML sees and that signals astroModeChanged(int).
    virtual QObject* ownerObject() = 0;
    // The program of that number of the selected channel; a null handle while none is loaded.
    virtual storage::StorableRef<storage::Program> programOfChannel(int number) = 0;
    // Date ranges of every program of the project.
    virtual int totalDateRangeCount() const = 0;
    // Number of programs of the device (the last two are its permanent on and off programs).
    virtual int programms() const = 0;
    // Whether the device has yearly programs, and so series, week rules and Chinese New Year.
    virtual bool yearlyProgram() const = 0;
    // Whether the project is a twilight (lux) project.
    virtual bool isNocta() const = 0;
    // Whether the selected channel is astronomic, and its astro mode (0 on at sunset).
    virtual bool isAstroChannel() const = 0;
    virtual int astroMode() const = 0;
};
