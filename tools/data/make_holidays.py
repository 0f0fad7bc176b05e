#!/usr/bin/env python3
"""Writes the shipped holiday sets resources/holidays_data/holidays.json.

The rules are written down here by hand from the public-holiday laws of each country or state
(the law in force today; rules have no years of validity, so a holiday introduced recently,
such as Reformation Day in northern Germany or International Women's Day in Berlin, is also
marked in the years before it existed). Run from anywhere; the output is committed so the build
never runs this script.

What the data encodes:
- Germany (nationwide and the 16 states): the statutory holidays of the state laws. Days kept
  only in some municipalities (Corpus Christi in parts of Saxony and Thuringia, the Augsburg
  peace festival) are left out; Assumption Day is in the Bavarian set because most Bavarian
  municipalities keep it. Repentance Day in Saxony is the Wednesday before 23 November.
- Austria (nationwide and the 9 states): the holidays of the Holiday Rest Act, plus each state's
  patron day in its state set.
- Switzerland (the 26 cantons): the cantonal rest days treated like Sundays, the national day,
  the Federal Fast Sunday (third Sunday of September) in every canton, the Monday after it where
  the canton keeps it, and the Geneva fast (Thursday after the first Sunday of September).
- Other European countries whose statutory holidays are all fixed dates, Western Easter offsets
  or weekdays near a fixed date. Left out because some holiday cannot be written as such a rule:
  countries keeping Orthodox Easter (Bulgaria, Greece, Cyprus, Romania, Serbia, North Macedonia,
  Montenegro, Bosnia and Herzegovina, Ukraine, Moldova, Belarus, Russia), those with substitute
  days or yearly moved dates (United Kingdom, Ireland, Spain, the Netherlands, Monaco, Andorra,
  Albania, Kosovo, Turkey) and the microstates whose calendars follow another country's.

File format: an array of sets {"Name", "LenHoliday", "Holidays"}; every rule value is a decimal
string. Rule types: 0 yearly fixed date, 1 weekday before or after a base date (step in "SO":
c >= 0 is weekday c+1 after the base, c < 0 weekday -c before it; 1 = Monday), 2 Easter offset,
5 weekday step from the n-th weekday of a month ("ST" = week * 10 + weekday, both one-based).
Every rule lasts one day from 00:00 to 00:00 of the next day.
"""

import datetime
import json
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUTPUT = ROOT / "resources" / "holidays_data" / "holidays.json"

# Fixed-date and weekday rules carry their dates in this year (a leap year, so 29 February fits).
BASE_YEAR = 2008


def easter_sunday(year):
    """Western Easter Sunday (anonymous Gregorian algorithm)."""
    a = year % 19
    b, c = divmod(year, 100)
    d, e = divmod(b, 4)
    f = (b + 8) // 25
    g = (b - f + 1) // 3
    h = (19 * a + b - d - g + 15) % 30
    i, k = divmod(c, 4)
    l = (32 + 2 * e + 2 * i - h - k) % 7
    m = (a + 11 * h + 22 * l) // 451
    month, day = divmod(h + l - 7 * m + 114, 31)
    return datetime.date(year, month, day + 1)


def record(name, kind, start_offset, start, end_offset, end):
    return {
        "Na": name, "Ty": str(kind),
        "SO": str(start_offset), "ST": str(start.day), "SM": str(start.month),
        "SJ": str(start.year), "SS": "0",
        "EO": str(end_offset), "ET": str(end.day), "EM": str(end.month),
        "EJ": str(end.year), "ES": "0",
    }


def fixed(name, day, month):
    start = datetime.date(BASE_YEAR, month, day)
    return record(name, 0, 0, start, 1, start + datetime.timedelta(days=1))


def easter(name, offset):
    start = easter_sunday(BASE_YEAR) + datetime.timedelta(days=offset)
    return record(name, 2, offset, start, offset + 1, start + datetime.timedelta(days=1))


def weekday_step(base, step):
    """The weekday of the step strictly after (step >= 0) or before (step < 0) the base date."""
    if step >= 0:
        days = (step + 1 - base.isoweekday()) % 7 or 7
        return base + datetime.timedelta(days=days)
    days = (base.isoweekday() + step) % 7 or 7
    return base - datetime.timedelta(days=days)


def weekday(name, step, day, month):
    """Weekday `step` after or before the base date day.month."""
    base = datetime.date(BASE_YEAR, month, day)
    return record(name, 1, step, base, 1, base + datetime.timedelta(days=1))


def nth_weekday(name, step, week, week_day, month):
    """Weekday `step` after or before the week-th (1-4, 5 = last) week_day (1 = Monday) of month.
    "ST" holds the code week * 10 + week_day; the end date is the day after the base year's holiday."""
    first = datetime.date(BASE_YEAR, month, 1)
    base = first + datetime.timedelta(days=(week_day - first.isoweekday()) % 7 + 7 * (week - 1))
    while base.month != month:
        base -= datetime.timedelta(days=7)
    day = weekday_step(base, step)
    rule = record(name, 5, step, day, 1, day + datetime.timedelta(days=1))
    rule["ST"] = str(week * 10 + week_day)
    rule["SM"] = str(month)
    return rule


# Days shared by many sets.
NEUJAHR = fixed("Neujahr", 1, 1)
BERCHTOLD = fixed("Berchtoldstag", 2, 1)
DREIKOENIG = fixed("Heilige Drei Könige", 6, 1)
JOSEF = fixed("Josefstag", 19, 3)
GRUENDONNERSTAG = easter("Gründonnerstag", -3)
KARFREITAG = easter("Karfreitag", -2)
OSTERSONNTAG = easter("Ostersonntag", 0)
OSTERMONTAG = easter("Ostermontag", 1)
ARBEIT = fixed("Tag der Arbeit", 1, 5)
HIMMELFAHRT = easter("Christi Himmelfahrt", 39)
PFINGSTSONNTAG = easter("Pfingstsonntag", 49)
PFINGSTMONTAG = easter("Pfingstmontag", 50)
FRONLEICHNAM = easter("Fronleichnam", 60)
MARIAE_HIMMELFAHRT = fixed("Mariä Himmelfahrt", 15, 8)
REFORMATION = fixed("Reformationstag", 31, 10)
ALLERHEILIGEN = fixed("Allerheiligen", 1, 11)
MARIAE_EMPFAENGNIS = fixed("Mariä Empfängnis", 8, 12)
HEILIGABEND = fixed("Heiligabend", 24, 12)
WEIHNACHTEN = fixed("1. Weihnachtstag", 25, 12)
WEIHNACHTEN_2 = fixed("2. Weihnachtstag", 26, 12)
STEPHAN = fixed("Stephanstag", 26, 12)
SILVESTER = fixed("Silvester", 31, 12)

# Germany
DE_BASE = [NEUJAHR, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG,
           fixed("Tag der Deutschen Einheit", 3, 10), WEIHNACHTEN, WEIHNACHTEN_2]
FRAUENTAG = fixed("Internationaler Frauentag", 8, 3)
BUSS_UND_BETTAG = weekday("Buß und Bettag", -3, 23, 11)
GERMAN_STATES = [
    ("Baden-Württemberg", [DREIKOENIG, FRONLEICHNAM, ALLERHEILIGEN]),
    ("Bayern", [DREIKOENIG, FRONLEICHNAM, MARIAE_HIMMELFAHRT, ALLERHEILIGEN]),
    ("Berlin", [FRAUENTAG]),
    ("Brandenburg", [OSTERSONNTAG, PFINGSTSONNTAG, REFORMATION]),
    ("Bremen", [REFORMATION]),
    ("Hamburg", [REFORMATION]),
    ("Hessen", [FRONLEICHNAM]),
    ("Mecklenburg-Vorpommern", [FRAUENTAG, REFORMATION]),
    ("Niedersachsen", [REFORMATION]),
    ("Nordrhein-Westfalen", [FRONLEICHNAM, ALLERHEILIGEN]),
    ("Rheinland-Pfalz", [FRONLEICHNAM, ALLERHEILIGEN]),
    ("Saarland", [FRONLEICHNAM, MARIAE_HIMMELFAHRT, ALLERHEILIGEN]),
    ("Sachsen", [REFORMATION, BUSS_UND_BETTAG]),
    ("Sachsen-Anhalt", [DREIKOENIG, REFORMATION]),
    ("Schleswig-Holstein", [REFORMATION]),
    ("Thüringen", [fixed("Weltkindertag", 20, 9), REFORMATION]),
]

# Austria
AT_BASE = [NEUJAHR, DREIKOENIG, OSTERMONTAG, fixed("Staatsfeiertag", 1, 5), HIMMELFAHRT,
           PFINGSTMONTAG, FRONLEICHNAM, MARIAE_HIMMELFAHRT, fixed("Nationalfeiertag", 26, 10),
           ALLERHEILIGEN, MARIAE_EMPFAENGNIS, fixed("Christtag", 25, 12), fixed("Stefanitag", 26, 12)]
LEOPOLD = fixed("Leopolditag", 15, 11)
AUSTRIAN_STATES = [
    ("Burgenland", [fixed("Martinstag", 11, 11)]),
    ("Kärnten", [JOSEF, fixed("Tag der Volksabstimmung", 10, 10)]),
    ("Niederösterreich", [LEOPOLD]),
    ("Oberösterreich", [fixed("Florianitag", 4, 5)]),
    ("Salzburg", [fixed("Rupertitag", 24, 9)]),
    ("Steiermark", [JOSEF]),
    ("Tirol", [JOSEF]),
    ("Vorarlberg", [JOSEF]),
    ("Wien", [LEOPOLD]),
]

# Switzerland
BUNDESFEIER = fixed("Bundesfeiertag", 1, 8)
BETTAGSSONNTAG = weekday("Bettagssonntag", 6, 14, 9)
BETTAGSMONTAG = weekday("Bettagsmontag", 0, 15, 9)
GENFER_BETTAG = nth_weekday("Genfer Bettag", 3, 1, 7, 9)
CATHOLIC_CH = [FRONLEICHNAM, MARIAE_HIMMELFAHRT, ALLERHEILIGEN, MARIAE_EMPFAENGNIS]
SWISS_CANTONS = [
    ("Aargau", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Appenzell Ausserrhoden", [NEUJAHR, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                                WEIHNACHTEN, STEPHAN]),
    ("Appenzell Innerrhoden", [NEUJAHR, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                               BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Basel-Landschaft", [NEUJAHR, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                          WEIHNACHTEN, STEPHAN]),
    ("Basel-Stadt", [NEUJAHR, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                     WEIHNACHTEN, STEPHAN]),
    ("Bern", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
              WEIHNACHTEN, STEPHAN]),
    ("Freiburg", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                  BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Genf", [NEUJAHR, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER, GENFER_BETTAG,
              WEIHNACHTEN, fixed("Wiederherstellung der Republik", 31, 12)]),
    ("Glarus", [NEUJAHR, BERCHTOLD, weekday("Näfelser Fahrt", 3, 31, 3), KARFREITAG, OSTERMONTAG,
                HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER, ALLERHEILIGEN, WEIHNACHTEN, STEPHAN]),
    ("Graubünden", [NEUJAHR, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                    WEIHNACHTEN, STEPHAN]),
    ("Jura", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, FRONLEICHNAM,
              fixed("Unabhängigkeitstag", 23, 6), BUNDESFEIER, MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
              WEIHNACHTEN]),
    ("Luzern", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Neuenburg", [NEUJAHR, fixed("Tag der Republik", 1, 3), KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT,
                   PFINGSTMONTAG, BUNDESFEIER, BETTAGSMONTAG, WEIHNACHTEN]),
    ("Nidwalden", [NEUJAHR, JOSEF, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                   BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Obwalden", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                  BUNDESFEIER, fixed("Bruder Klaus", 25, 9), WEIHNACHTEN, STEPHAN]),
    ("Schaffhausen", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG,
                      BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Schwyz", [NEUJAHR, DREIKOENIG, JOSEF, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG,
                *CATHOLIC_CH, BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Solothurn", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
                   BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("St. Gallen", [NEUJAHR, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                    ALLERHEILIGEN, WEIHNACHTEN, STEPHAN]),
    ("Tessin", [NEUJAHR, DREIKOENIG, JOSEF, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, FRONLEICHNAM,
                fixed("Peter und Paul", 29, 6), BUNDESFEIER, MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                MARIAE_EMPFAENGNIS, WEIHNACHTEN, STEPHAN]),
    ("Thurgau", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG,
                 BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Uri", [NEUJAHR, DREIKOENIG, JOSEF, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
             BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Waadt", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
               BETTAGSMONTAG, WEIHNACHTEN]),
    ("Wallis", [NEUJAHR, JOSEF, HIMMELFAHRT, FRONLEICHNAM, BUNDESFEIER, MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                MARIAE_EMPFAENGNIS, WEIHNACHTEN]),
    ("Zug", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, HIMMELFAHRT, PFINGSTMONTAG, *CATHOLIC_CH,
             BUNDESFEIER, WEIHNACHTEN, STEPHAN]),
    ("Zürich", [NEUJAHR, BERCHTOLD, KARFREITAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, BUNDESFEIER,
                WEIHNACHTEN, STEPHAN]),
]

# Other European countries
COUNTRIES = [
    ("Belgien", [NEUJAHR, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, fixed("Nationalfeiertag", 21, 7),
                 MARIAE_HIMMELFAHRT, ALLERHEILIGEN, fixed("Waffenstillstand", 11, 11), WEIHNACHTEN]),
    ("Dänemark", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, HIMMELFAHRT,
                  PFINGSTSONNTAG, PFINGSTMONTAG, WEIHNACHTEN, WEIHNACHTEN_2]),
    ("Estland", [NEUJAHR, fixed("Unabhängigkeitstag", 24, 2), KARFREITAG, OSTERSONNTAG, ARBEIT,
                 PFINGSTSONNTAG, fixed("Siegestag", 23, 6), fixed("Johannistag", 24, 6),
                 fixed("Tag der Wiederherstellung der Unabhängigkeit", 20, 8), HEILIGABEND, WEIHNACHTEN,
                 WEIHNACHTEN_2]),
    ("Finnland", [NEUJAHR, DREIKOENIG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT,
                  PFINGSTSONNTAG, weekday("Mittsommertag", 5, 19, 6), weekday("Allerheiligen", 5, 30, 10),
                  fixed("Unabhängigkeitstag", 6, 12), WEIHNACHTEN, WEIHNACHTEN_2]),
    ("Frankreich", [NEUJAHR, OSTERMONTAG, ARBEIT, fixed("Tag des Sieges 1945", 8, 5), HIMMELFAHRT,
                    PFINGSTMONTAG, fixed("Nationalfeiertag", 14, 7), MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                    fixed("Waffenstillstand 1918", 11, 11), WEIHNACHTEN]),
    ("Island", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG,
                weekday("Erster Sommertag", 3, 18, 4), ARBEIT, HIMMELFAHRT, PFINGSTSONNTAG, PFINGSTMONTAG,
                fixed("Nationalfeiertag", 17, 6), weekday("Tag der Kaufleute", 0, 31, 7), WEIHNACHTEN,
                WEIHNACHTEN_2]),
    ("Italien", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, fixed("Tag der Befreiung", 25, 4), ARBEIT,
                 fixed("Tag der Republik", 2, 6), MARIAE_HIMMELFAHRT, ALLERHEILIGEN, MARIAE_EMPFAENGNIS,
                 WEIHNACHTEN, STEPHAN]),
    ("Kroatien", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, fixed("Tag der Staatlichkeit", 30, 5),
                  FRONLEICHNAM, fixed("Tag des antifaschistischen Kampfes", 22, 6),
                  fixed("Tag des Sieges", 5, 8), MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                  fixed("Gedenktag für die Opfer des Heimatkrieges", 18, 11), WEIHNACHTEN, STEPHAN]),
    ("Lettland", [NEUJAHR, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT,
                  fixed("Tag der Wiederherstellung der Unabhängigkeit", 4, 5), PFINGSTSONNTAG,
                  fixed("Ligo-Tag", 23, 6), fixed("Johannistag", 24, 6), fixed("Tag der Republik", 18, 11),
                  HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2, SILVESTER]),
    ("Liechtenstein", [NEUJAHR, BERCHTOLD, DREIKOENIG, fixed("Mariä Lichtmess", 2, 2), JOSEF, OSTERMONTAG,
                       ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, FRONLEICHNAM, fixed("Staatsfeiertag", 15, 8),
                       fixed("Mariä Geburt", 8, 9), ALLERHEILIGEN, MARIAE_EMPFAENGNIS, HEILIGABEND,
                       WEIHNACHTEN, STEPHAN, SILVESTER]),
    ("Litauen", [NEUJAHR, fixed("Tag der Wiederherstellung des Staates", 16, 2),
                 fixed("Tag der Wiederherstellung der Unabhängigkeit", 11, 3), OSTERSONNTAG, OSTERMONTAG,
                 ARBEIT, weekday("Muttertag", 6, 30, 4), weekday("Vatertag", 6, 31, 5),
                 fixed("Johannistag", 24, 6), fixed("Tag der Staatlichkeit", 6, 7), MARIAE_HIMMELFAHRT,
                 ALLERHEILIGEN, fixed("Allerseelen", 2, 11), HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2]),
    ("Luxemburg", [NEUJAHR, OSTERMONTAG, ARBEIT, fixed("Europatag", 9, 5), HIMMELFAHRT, PFINGSTMONTAG,
                   fixed("Nationalfeiertag", 23, 6), MARIAE_HIMMELFAHRT, ALLERHEILIGEN, WEIHNACHTEN,
                   WEIHNACHTEN_2]),
    ("Malta", [NEUJAHR, fixed("Schiffbruch des Apostels Paulus", 10, 2), JOSEF,
               fixed("Tag der Freiheit", 31, 3), KARFREITAG, ARBEIT, fixed("Sette Giugno", 7, 6),
               fixed("Peter und Paul", 29, 6), MARIAE_HIMMELFAHRT, fixed("Tag des Sieges", 8, 9),
               fixed("Unabhängigkeitstag", 21, 9), MARIAE_EMPFAENGNIS, fixed("Tag der Republik", 13, 12),
               WEIHNACHTEN]),
    ("Norwegen", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT,
                  fixed("Verfassungstag", 17, 5), HIMMELFAHRT, PFINGSTSONNTAG, PFINGSTMONTAG, WEIHNACHTEN,
                  WEIHNACHTEN_2]),
    ("Polen", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, fixed("Tag der Verfassung", 3, 5),
               PFINGSTSONNTAG, FRONLEICHNAM, MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
               fixed("Unabhängigkeitstag", 11, 11), HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2]),
    ("Portugal", [NEUJAHR, KARFREITAG, OSTERSONNTAG, fixed("Tag der Freiheit", 25, 4), ARBEIT, FRONLEICHNAM,
                  fixed("Nationalfeiertag", 10, 6), MARIAE_HIMMELFAHRT, fixed("Tag der Republik", 5, 10),
                  ALLERHEILIGEN, fixed("Wiederherstellung der Unabhängigkeit", 1, 12), MARIAE_EMPFAENGNIS,
                  WEIHNACHTEN]),
    ("Schweden", [NEUJAHR, DREIKOENIG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT,
                  fixed("Nationalfeiertag", 6, 6), PFINGSTSONNTAG, weekday("Mittsommertag", 5, 19, 6),
                  weekday("Allerheiligen", 5, 30, 10), WEIHNACHTEN, WEIHNACHTEN_2]),
    ("Slowakei", [fixed("Tag der Entstehung der Slowakischen Republik", 1, 1), DREIKOENIG, KARFREITAG,
                  OSTERMONTAG, ARBEIT, fixed("Tag des Sieges über den Faschismus", 8, 5),
                  fixed("Kyrill und Method", 5, 7), fixed("Jahrestag des Slowakischen Nationalaufstands", 29, 8),
                  fixed("Sieben Schmerzen Mariä", 15, 9), ALLERHEILIGEN, HEILIGABEND, WEIHNACHTEN, STEPHAN]),
    ("Slowenien", [NEUJAHR, fixed("Neujahr", 2, 1), fixed("Prešeren-Tag", 8, 2), OSTERSONNTAG, OSTERMONTAG,
                   fixed("Tag des Widerstands", 27, 4), ARBEIT, fixed("Tag der Arbeit", 2, 5), PFINGSTSONNTAG,
                   fixed("Staatsfeiertag", 25, 6), MARIAE_HIMMELFAHRT, REFORMATION, ALLERHEILIGEN, WEIHNACHTEN,
                   fixed("Tag der Unabhängigkeit und Einheit", 26, 12)]),
    ("Tschechien", [NEUJAHR, KARFREITAG, OSTERMONTAG, ARBEIT, fixed("Tag der Befreiung", 8, 5),
                    fixed("Kyrill und Method", 5, 7), fixed("Jan Hus", 6, 7),
                    fixed("Tag der tschechischen Staatlichkeit", 28, 9),
                    fixed("Entstehung der Tschechoslowakei", 28, 10),
                    fixed("Tag des Kampfes für Freiheit und Demokratie", 17, 11), HEILIGABEND, WEIHNACHTEN,
                    WEIHNACHTEN_2]),
    ("Ungarn", [NEUJAHR, fixed("Nationalfeiertag", 15, 3), KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT,
                PFINGSTSONNTAG, PFINGSTMONTAG, fixed("Staatsgründungsfeiertag", 20, 8),
                fixed("Nationalfeiertag", 23, 10), ALLERHEILIGEN, WEIHNACHTEN, WEIHNACHTEN_2]),
]


def holiday_set(name, rules):
    return {"Name": name, "LenHoliday": str(len(rules)), "Holidays": rules}


def all_sets():
    sets = [holiday_set("Deutschland", DE_BASE)]
    sets += [holiday_set(f"Deutschland - {state}", DE_BASE + extra) for state, extra in GERMAN_STATES]
    sets.append(holiday_set("Österreich", AT_BASE))
    sets += [holiday_set(f"Österreich - {state}", AT_BASE + extra) for state, extra in AUSTRIAN_STATES]
    sets += [holiday_set(f"Schweiz - {canton}", rules + [BETTAGSSONNTAG]) for canton, rules in SWISS_CANTONS]
    sets += [holiday_set(country, rules) for country, rules in COUNTRIES]
    return sets


def main():
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    with OUTPUT.open("w", encoding="utf-8") as out:
        json.dump(all_sets(), out, ensure_ascii=False, indent=2)
        out.write("\n")


if __name__ == "__main__":
    main()
