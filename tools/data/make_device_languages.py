#!/usr/bin/env python3
"""Writes the sample device language files resources/device-lang/<generation>/<language>_<id>.txs
for a few catalogue models. The texts are our own; run from anywhere, the output is committed.

A file is a sequence of blocks; each block is a 16-bit little-endian length L and L bytes: a
block number, a format version, the texts of the block (Latin-1, each ended by 0) and two tail
bytes. The program takes the tail of every block as 0 when it builds the device image, so the
files keep a non-zero marker there."""

import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "resources" / "device-lang"

# Model identifiers of resources/data/devices.json, by generation folder.
MODELS = {
    "rix2": ["TVRIX2WEEKLY2", "TVRIX2ASTRO2"],
    "rix3": ["TVRIX3WEEKLY2", "TVRIX3HYBRID4"],
}

TEXTS = {
    "de": {
        "menu": ["Programm", "Uhrzeit", "Datum", "Ferien", "Handbetrieb", "Einstellungen"],
        "days": ["Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"],
        "messages": ["Ein", "Aus", "Speicher voll", "Bitte warten", "Fertig"],
    },
    "en": {
        "menu": ["Program", "Time", "Date", "Holiday", "Manual", "Settings"],
        "days": ["Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"],
        "messages": ["On", "Off", "Memory full", "Please wait", "Done"],
    },
    "fr": {
        "menu": ["Programme", "Heure", "Date", "Vacances", "Manuel", "Réglages"],
        "days": ["Lu", "Ma", "Me", "Je", "Ve", "Sa", "Di"],
        "messages": ["Marche", "Arrêt", "Mémoire pleine", "Patientez", "Terminé"],
    },
    "it": {
        "menu": ["Programma", "Ora", "Data", "Ferie", "Manuale", "Impostazioni"],
        "days": ["Lu", "Ma", "Me", "Gi", "Ve", "Sa", "Do"],
        "messages": ["Acceso", "Spento", "Memoria piena", "Attendere", "Fatto"],
    },
    "nl": {
        "menu": ["Programma", "Tijd", "Datum", "Vakantie", "Handmatig", "Instellingen"],
        "days": ["Ma", "Di", "Wo", "Do", "Vr", "Za", "Zo"],
        "messages": ["Aan", "Uit", "Geheugen vol", "Even wachten", "Klaar"],
    },
}

# The block format version follows the generation.
FORMAT_VERSION = {"rix2": 2, "rix3": 3}
TAIL = bytes([0xA5, 0x5A])


def block(number, version, texts):
    body = bytes([number, version]) + b"".join(t.encode("latin-1") + b"\0" for t in texts) + TAIL
    return len(body).to_bytes(2, "little") + body


def language_file(generation, language):
    version = FORMAT_VERSION[generation]
    texts = TEXTS[language]
    return b"".join(block(n, version, texts[key]) for n, key in enumerate(["menu", "days", "messages"], start=1))


def main():
    for generation, models in MODELS.items():
        folder = OUT / generation
        folder.mkdir(parents=True, exist_ok=True)
        for model in models:
            for language in TEXTS:
                (folder / f"{language}_{model}.txs").write_bytes(language_file(generation, language))


if __name__ == "__main__":
    main()
