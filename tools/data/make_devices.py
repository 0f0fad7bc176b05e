#!/usr/bin/env python3
"""Writes the device catalogue resources/data/devices.json and the model pictures
resources/images/products/*.svg. The models are invented; run from anywhere, the output is
committed so the build never runs this script."""

import functools
import json
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
RESOURCES = ROOT / "resources"

# Flags present in every entry; everything not set by a row is false.
BASE_FLAGS = [
    "hasImpuls", "hasZyclus", "hasAstroImpuls", "hasAstroTime", "hasExternalInput",
    "hasChannelCombination", "hasEasterRule", "hasRandomHolidaysStatus", "canAffectLightSensors",
    "canSetManualDateTime", "canSetManualHolidays", "hasTimer", "hasAccident",
    "timezoneIsSettable", "hasToggleFunction", "hasCustomDaylightSavingsRules",
    "hasLcdIllumination",
]
OPTIONAL_FLAGS = [
    "canSetSecondsForTimerExtInput", "hasOptionSettings", "canSetSchalter", "yearlyProgram",
    "hasOwnAstroTable", "extraProgramWithSwitches", "canSelectChannelType",
    "hasIranDaylightSavingsRules", "hasExtensionModule", "hasSignalFunction",
    "hasInternalBleModule", "hasExternalInputEmergencyOff", "hasEarthHour", "hideExternalInput",
    "hasOperatingTime", "hasKNX", "showRcSupport", "hasDateTimeSettings", "hasVaccancy",
    "cloudDevice",
]

# What every model of a product generation has unless its row says otherwise.
GENERATIONS = {
    1: dict(memory=56, programs=1, eepromLanguageAddress=0x0400, inputs=0,
            flags={"canSetManualDateTime", "canSetManualHolidays", "hasDateTimeSettings",
                   "hasVaccancy", "hasIranDaylightSavingsRules"}),
    2: dict(memory=84, programs=4, eepromLanguageAddress=0x1000, inputs=0,
            flags={"hasImpuls", "hasZyclus", "hasEasterRule", "canSetManualDateTime",
                   "canSetManualHolidays", "hasDateTimeSettings", "hasVaccancy",
                   "hasOptionSettings", "hasLcdIllumination", "hasIranDaylightSavingsRules",
                   "hasChannelCombination"}),
    3: dict(memory=800, programs=17, eepromLanguageAddress=0xC000, inputs=1,
            flags={"hasImpuls", "hasZyclus", "hasEasterRule", "hasRandomHolidaysStatus",
                   "canSetManualDateTime", "canSetManualHolidays", "hasDateTimeSettings",
                   "hasVaccancy", "hasOptionSettings", "hasLcdIllumination", "yearlyProgram",
                   "extraProgramWithSwitches", "hasCustomDaylightSavingsRules",
                   "hasInternalBleModule", "hasExternalInput", "canSetSchalter",
                   "hasOperatingTime", "hasSignalFunction", "hasChannelCombination",
                   "hasToggleFunction"}),
}

# Default locations (whole degrees, device time-zone number, the city's name in the city
# catalogue). The first-character code and checksum are the catalogue city's own, so that a new
# project finds its city there.
CITIES = {
    "Frankfurt": (50, 8, 13, "Frankfurt am Main"),
    "Wien": (48, 16, 13, "Vienna"),
    "Madrid": (40, -3, 13, "Madrid"),
    "Athen": (37, 23, 14, "Athens"),
    "Sydney": (-33, 151, 27, "Sydney"),
}
LOCATIONS = RESOURCES / "countries_data" / "Location.json"


# Read once; of two cities with one name the first counts.
@functools.cache
def catalogue_keys():
    keys = {}
    for country in json.loads(LOCATIONS.read_text(encoding="utf-8")):
        for city in country["cities"]:
            keys.setdefault(city["Name"], (int(city["Fc"]), int(city["Cs"])))
    return keys


def catalogue_key(name):
    key = catalogue_keys().get(name)
    if key is None:
        raise SystemExit(f"{name} is not in {LOCATIONS}")
    return key


def city_location(label):
    latitude, longitude, timezone, name = CITIES[label]
    first_char, checksum = catalogue_key(name)
    return {
        "defaultLatitude": latitude,
        "defaultLongitude": longitude,
        "defaultTimezone": timezone,
        "defaultFirstChar": first_char,
        "defaultChecksum": checksum,
    }


# One row per model: (generation, OT2 number, name, type, channels, overrides).
# Overrides: "+flag" sets a flag, "-flag" clears one, key=value pairs set numbers.
ROWS = [
    (1, 11, "Rix1 Weekly 1", 0, 1, {}),
    (1, 12, "Rix1 Weekly 1 V", 0, 1, {"tarvinoVarVersion": 1, "+": ["hasImpuls"]}),
    (1, 13, "Rix1 Weekly 2", 0, 2, {}),
    (1, 14, "Rix1 Weekly 4", 0, 4, {"programs": 4, "inputs": -1,
                                    "+": ["hasImpuls", "hasZyclus"]}),
    (1, 15, "Rix1 Weekly 1 Plus", 0, 1, {"programs": 4, "inputs": 1, "defaultExternalInput": 1,
                                         "+": ["hasExternalInput", "hasExtensionModule",
                                               "hasOptionSettings"]}),
    (1, 16, "Rix1 Weekly 2 Plus", 0, 2, {"programs": 4, "inputs": 2, "defaultExternalInput": 0,
                                         "+": ["hasExternalInput", "hasExtensionModule",
                                               "hasOptionSettings", "hideExternalInput"]}),
    (1, 21, "Rix1 Astro 1", 1, 1, {"+": ["hasAstroTime"], "city": "Frankfurt"}),
    (1, 22, "Rix1 Astro 2", 1, 2, {"+": ["hasAstroTime"], "city": "Wien"}),
    (1, 23, "Rix1 Astro 2 V", 1, 2, {"tarvinoVarVersion": 1, "+": ["hasAstroImpuls"],
                                     "city": "Frankfurt"}),
    (1, 31, "Rix1 Lumen 1", 2, 1, {"luxSettingType": 1}),
    (1, 32, "Rix1 Lumen 1 Basic", 2, 1, {"luxSettingType": 1, "programs": 0, "memory": 0,
                                         "-": ["hasVaccancy", "hasDateTimeSettings",
                                               "canSetManualHolidays"]}),
    (2, 41, "Rix2 Weekly 1", 0, 1, {}),
    (2, 42, "Rix2 Weekly 2", 0, 2, {"+": ["hasTimer", "hasAccident", "hasRandomHolidaysStatus"]}),
    (2, 43, "Rix2 Weekly 4", 0, 4, {"inputs": 4, "defaultExternalInput": 1,
                                    "+": ["hasExtensionModule", "hasExternalInput",
                                          "canSetSchalter", "canSetSecondsForTimerExtInput",
                                          "hasExternalInputEmergencyOff"]}),
    (2, 44, "Rix2 Weekly 1 Year", 0, 1, {"+": ["yearlyProgram", "extraProgramWithSwitches",
                                               "hasSignalFunction"]}),
    (2, 45, "Rix2 Weekly 2 Season", 0, 2, {"+": ["hasCustomDaylightSavingsRules",
                                                 "hasOperatingTime"]}),
    (2, 46, "Rix2 Weekly 2 V", 0, 2, {"tarvinoVarVersion": 1, "+": ["timezoneIsSettable",
                                                                    "showRcSupport"]}),
    (2, 51, "Rix2 Astro 1", 1, 1, {"+": ["hasAstroTime", "hasOwnAstroTable"], "city": "Madrid"}),
    (2, 52, "Rix2 Astro 2", 1, 2, {"+": ["hasAstroTime", "hasAstroImpuls"], "city": "Athen"}),
    (2, 53, "Rix2 Hybrid 2", 0, 2, {"+": ["canSelectChannelType", "hasAstroTime",
                                          "hasCustomDaylightSavingsRules"],
                                    "-": ["hasIranDaylightSavingsRules"], "city": "Frankfurt"}),
    (2, 73, "Rix2 Lumen 1", 2, 1, {"luxSettingType": 1, "programs": 1,
                                   "-": ["hasImpuls", "hasZyclus"]}),
    (2, 74, "Rix2 Lumen 2", 2, 2, {"luxSettingType": 2, "inputs": 2,
                                   "+": ["canAffectLightSensors", "hasToggleFunction",
                                         "hasExternalInput"],
                                   "-": ["hasImpuls", "hasZyclus"]}),
    (3, 101, "Rix3 Weekly 1", 0, 1, {"+": ["hasIranDaylightSavingsRules", "hasEarthHour",
                                           "timezoneIsSettable"]}),
    (3, 102, "Rix3 Weekly 2", 0, 2, {"+": ["hasExtensionModule", "hasTimer"]}),
    (3, 103, "Rix3 Weekly 4", 0, 4, {"inputs": 4, "+": ["hasExtensionModule", "hasAccident",
                                                        "hasKNX"]}),
    (3, 104, "Rix3 Weekly 8", 0, 8, {"inputs": 8, "defaultExternalInput": 1}),
    (3, 105, "Rix3 Weekly 2 Wired", 0, 2, {"tarvinoVarVersion": 1,
                                           "-": ["hasInternalBleModule"],
                                           "+": ["hasIranDaylightSavingsRules"]}),
    (3, 111, "Rix3 Astro 1", 1, 1, {"+": ["hasAstroTime", "hasAstroImpuls", "hasOwnAstroTable",
                                          "hasEarthHour"], "city": "Wien"}),
    (3, 112, "Rix3 Astro 2", 1, 2, {"+": ["hasAstroTime", "hasOwnAstroTable",
                                          "hasIranDaylightSavingsRules"], "city": "Sydney"}),
    (3, 121, "Rix3 Hybrid 4", 0, 4, {"+": ["canSelectChannelType", "hasAstroTime",
                                           "hasOwnAstroTable"], "city": "Frankfurt"}),
    (3, 131, "Rix3 Control 8", 3, 8, {"inputs": 8, "+": ["canSelectChannelType", "hasAstroTime",
                                                         "hasAstroImpuls", "hasKNX"],
                                      "city": "Frankfurt"}),
    (3, 132, "Rix3 Control 4", 3, 4, {"inputs": 4, "+": ["canSelectChannelType", "hasAstroTime",
                                                         "cloudDevice", "hasTimer"],
                                      "city": "Madrid"}),
    (3, 141, "Rix3 Lumen 2", 2, 2, {"luxSettingType": 2, "programs": 4,
                                    "+": ["canAffectLightSensors", "hasIranDaylightSavingsRules"],
                                    "-": ["yearlyProgram", "hasImpuls", "hasZyclus"]}),
    (3, 150, "Rix3 Weekly 2 Cloud", 0, 2, {"+": ["cloudDevice", "hasIranDaylightSavingsRules"],
                                           "-": ["hasInternalBleModule",
                                                 "hasCustomDaylightSavingsRules"]}),
]

KIND = {0: "weekly", 1: "astro", 2: "lumen", 3: "control"}
ACCENT = {1: "#4a7fb5", 2: "#3c9a5f", 3: "#c2582b"}


def picture_name(generation, kind, channels):
    return f"rix{generation}_{kind}_{channels}ch.svg"


def entry(row):
    generation, ot2, name, device_type, channels, extra = row
    gen = GENERATIONS[generation]
    flags = set(gen["flags"]) | set(extra.get("+", []))
    flags -= set(extra.get("-", []))
    kind = "hybrid" if device_type == 0 and "canSelectChannelType" in flags else KIND[device_type]
    model = {
        "name": "Tarvino " + name,
        "languageFileIdentifier": "TV" + name.upper().replace(" ", ""),
        "image": "qrc:/images/products/" + picture_name(generation, kind, channels),
        "rixVersion": generation,
        "ot2_number": ot2,
        "tarvinoVarVersion": extra.get("tarvinoVarVersion", 0),
        "type": device_type,
        "memory": extra.get("memory", gen["memory"]),
        "inputs": extra.get("inputs", gen["inputs"]),
        "channels": channels,
        "programs": extra.get("programs", gen["programs"]),
        "eepromLanguageAddress": gen["eepromLanguageAddress"],
        "luxSettingType": extra.get("luxSettingType", -1),
    }
    for flag in BASE_FLAGS:
        model[flag] = flag in flags
    for flag in OPTIONAL_FLAGS:
        if flag in flags:
            model[flag] = True
    if "hasInternalBleModule" in flags:
        model["maxBlePacketSize"] = 37
    if "defaultExternalInput" in extra:
        model["defaultExternalInput"] = extra["defaultExternalInput"]
    if "city" in extra:
        model.update(city_location(extra["city"]))
    return model, (generation, kind, channels)


SYMBOLS = {
    # Clock face.
    "weekly": '<circle cx="0" cy="0" r="9" fill="none" stroke="#222" stroke-width="2"/>'
              '<path d="M0 -6 V0 H5" fill="none" stroke="#222" stroke-width="2"/>',
    # Sun.
    "astro": '<circle cx="0" cy="0" r="5" fill="#f2b705"/>'
             + "".join(f'<line x1="0" y1="-8" x2="0" y2="-11" stroke="#f2b705" stroke-width="2" '
                       f'transform="rotate({a})"/>' for a in range(0, 360, 45)),
    # Moon.
    "lumen": '<circle cx="0" cy="0" r="9" fill="#5b5f97"/>'
             '<circle cx="4" cy="-3" r="8" fill="#c8d8b0"/>',
    # Half sun, half clock.
    "hybrid": '<circle cx="0" cy="0" r="9" fill="none" stroke="#222" stroke-width="2"/>'
              '<path d="M0 -9 A9 9 0 0 1 0 9 Z" fill="#f2b705"/>',
    # Bus bars.
    "control": '<rect x="-10" y="-8" width="20" height="4" fill="#222"/>'
               '<rect x="-10" y="-1" width="20" height="4" fill="#222"/>'
               '<rect x="-10" y="6" width="20" height="4" fill="#222"/>',
}


def picture(generation, kind, channels):
    modules = {1: 2, 2: 2, 4: 4, 8: 6}[channels]
    width = modules * 26
    accent = ACCENT[generation]
    terminals = "".join(
        f'<circle cx="{12 + i * (width - 24) / max(1, channels * 2 - 1):.1f}" cy="{y}" r="3" '
        f'fill="#888"/>' for i in range(channels * 2) for y in (16, 124))
    leds = "".join(f'<circle cx="{14 + i * 8}" cy="92" r="2.5" fill="#3c3"/>'
                   for i in range(channels))
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width + 20}" height="150" '
        f'viewBox="0 0 {width + 20} 150">\n'
        f'<rect x="0" y="60" width="{width + 20}" height="16" fill="#bbb"/>\n'
        f'<g transform="translate(10,5)">\n'
        f'<rect x="0" y="0" width="{width}" height="140" rx="4" fill="#f4f4f0" stroke="#555" '
        f'stroke-width="2"/>\n'
        f'<rect x="0" y="26" width="{width}" height="6" fill="{accent}"/>\n'
        f'{terminals}\n'
        f'<rect x="8" y="40" width="{width - 16}" height="36" rx="2" fill="#c8d8b0" '
        f'stroke="#333"/>\n'
        f'<g transform="translate({width / 2:.1f},58)">{SYMBOLS[kind]}</g>\n'
        f'{leds}\n'
        + "".join(f'<rect x="{8 + i * 10}" y="100" width="7" height="7" rx="2" fill="#333"/>'
                  for i in range(4)) +
        f'\n<text x="{width - 6}" y="114" font-family="sans-serif" font-size="8" '
        f'text-anchor="end" fill="{accent}">R{generation}</text>\n'
        f'</g>\n</svg>\n')


def main():
    models = []
    pictures = set()
    for row in ROWS:
        model, pic = entry(row)
        models.append(model)
        pictures.add(pic)
    assert len(models) == 34
    data = RESOURCES / "data"
    data.mkdir(parents=True, exist_ok=True)
    (data / "devices.json").write_text(json.dumps({"devices": models}, indent=2) + "\n",
                                       encoding="utf-8")
    products = RESOURCES / "images" / "products"
    products.mkdir(parents=True, exist_ok=True)
    for old in products.glob("*.svg"):
        old.unlink()
    for generation, kind, channels in sorted(pictures):
        (products / picture_name(generation, kind, channels)).write_text(
            picture(generation, kind, channels), encoding="utf-8")


if __name__ == "__main__":
    main()
