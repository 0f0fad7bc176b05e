#!/usr/bin/env python3
"""Writes the shipped holiday sets resources/holidays_data/holidays.json.

The rules are written down here by hand from the public-holiday laws of each country or state,
as in force on 1 January 2026; each set names its law in a comment. Rules carry no years of
validity, so a holiday introduced recently (Reformation Day in northern Germany, International
Women's Day in Berlin, San Francesco in Italy) is also marked in the years before it existed,
and one abolished recently is missing there too. Run from anywhere; the output is committed so
the build never runs this script.

What the data encodes:
- Germany (nationwide and the 16 states): the statutory holidays of the state laws. Days kept
  only in some municipalities (Corpus Christi in parts of Saxony and Thuringia, the Augsburg
  peace festival) are left out; Assumption Day is in the Bavarian set because most Bavarian
  municipalities keep it. Repentance Day in Saxony is the Wednesday before 23 November.
- Austria (nationwide and the 9 states): the holidays of the Holiday Rest Act, plus each state's
  patron day in its state set. The patron days are not rest days under that Act (offices and
  schools close, most employers stay open).
- Switzerland (the 26 cantons): the cantonal rest days treated like Sundays, the national day,
  the Federal Fast Sunday (third Sunday of September) in every canton, the Monday after it where
  the canton keeps it, and the Geneva fast (Thursday after the first Sunday of September).
- Other European countries whose statutory holidays all fall, in the usual year, on a fixed
  date, a Western Easter offset or a weekday near a fixed date.

One rule for every set: where the law moves a holiday in some years (a weekend holiday to the
next Monday, as in Latvia; the Glarus Näfelser Fahrt past Maundy Thursday), the set keeps the
plain rule and misses the moved day in those years; docs/holidays.md lists these known gaps.
Left out are countries where a holiday falls on a date no rule type can give in most years:
Orthodox Easter (Bulgaria, Greece, Cyprus, Romania, Serbia, North Macedonia, Montenegro, Bosnia
and Herzegovina, Ukraine, Moldova, Belarus, Russia), the Islamic calendar (Turkey, Albania,
Kosovo) and regional days fixed each year by decree (Spain). Not written yet, though they would
fit with their substitute days as gaps: the United Kingdom, Ireland, the Netherlands, Monaco and
Andorra. The microstates whose calendars follow another country's are left out.

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

# Germany: Tag der Deutschen Einheit by the Unification Treaty (Art. 2 para. 2), all others by the
# state laws on Sundays and holidays (Feiertagsgesetze der Länder), e.g. Saxony's SächsSFG § 1
# with Repentance Day as "der Mittwoch vor dem 23. November".
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

# Austria: Feiertagsruhegesetz 1957 (BGBl. Nr. 153/1957) § 1, Good Friday removed by
# BGBl. I Nr. 22/2019. The state patron days come from each state's own custom, not from the Act:
# they are no rest days under it.
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

# Switzerland: the national day by Art. 110 para. 3 of the Federal Constitution, all others by
# the cantonal laws on public rest days (Ruhetagsgesetze) and the days they treat like Sundays.
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
    # Glarus, Gesetz über die öffentlichen Ruhetage: the Näfelser Fahrt is the first Thursday of
    # April, a week later when that day is Maundy Thursday. No rule type can carry the
    # postponement; the rule gives the first Thursday, wrong in 22 years of 2008-2099 (listed in
    # docs/holidays.md).
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

# Other European countries, each with its law.
COUNTRIES = [
    # Loi du 4 janvier 1974 relative aux jours fériés, Arrêté royal du 18 avril 1974.
    ("Belgien", [NEUJAHR, OSTERMONTAG, ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, fixed("Nationalfeiertag", 21, 7),
                 MARIAE_HIMMELFAHRT, ALLERHEILIGEN, fixed("Waffenstillstand", 11, 11), WEIHNACHTEN]),
    # Lov om helligdage; Store Bededag abolished from 2024 (lov nr. 152 af 28. februar 2023).
    ("Dänemark", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, HIMMELFAHRT,
                  PFINGSTSONNTAG, PFINGSTMONTAG, WEIHNACHTEN, WEIHNACHTEN_2]),
    # Pühade ja tähtpäevade seadus § 2.
    ("Estland", [NEUJAHR, fixed("Unabhängigkeitstag", 24, 2), KARFREITAG, OSTERSONNTAG, ARBEIT,
                 PFINGSTSONNTAG, fixed("Siegestag", 23, 6), fixed("Johannistag", 24, 6),
                 fixed("Tag der Wiederherstellung der Unabhängigkeit", 20, 8), HEILIGABEND, WEIHNACHTEN,
                 WEIHNACHTEN_2]),
    # The church year and the Independence Day act (Itsenäisyyspäivälaki); Midsummer Day and All
    # Saints' Day are the Saturdays of 20-26 June and 31 October-6 November.
    ("Finnland", [NEUJAHR, DREIKOENIG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT,
                  PFINGSTSONNTAG, weekday("Mittsommertag", 5, 19, 6), weekday("Allerheiligen", 5, 30, 10),
                  fixed("Unabhängigkeitstag", 6, 12), WEIHNACHTEN, WEIHNACHTEN_2]),
    # Code du travail, article L3133-1 (Alsace-Moselle's extra days are left out).
    ("Frankreich", [NEUJAHR, OSTERMONTAG, ARBEIT, fixed("Tag des Sieges 1945", 8, 5), HIMMELFAHRT,
                    PFINGSTMONTAG, fixed("Nationalfeiertag", 14, 7), MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                    fixed("Waffenstillstand 1918", 11, 11), WEIHNACHTEN]),
    # Lög nr. 88/1971 um 40 stunda vinnuviku, 6. gr.; the half days from 13:00 on Christmas Eve
    # and New Year's Eve are left out (a rule is a whole day).
    ("Island", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG,
                weekday("Erster Sommertag", 3, 18, 4), ARBEIT, HIMMELFAHRT, PFINGSTSONNTAG, PFINGSTMONTAG,
                fixed("Nationalfeiertag", 17, 6), weekday("Tag der Kaufleute", 0, 31, 7), WEIHNACHTEN,
                WEIHNACHTEN_2]),
    # Legge 27 maggio 1949, n. 260, art. 2, as amended by the law of October 2025 that makes
    # 4 October (San Francesco d'Assisi, patron saint of Italy) a national holiday again from 2026.
    ("Italien", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, fixed("Tag der Befreiung", 25, 4), ARBEIT,
                 fixed("Tag der Republik", 2, 6), MARIAE_HIMMELFAHRT, fixed("Franz von Assisi", 4, 10),
                 ALLERHEILIGEN, MARIAE_EMPFAENGNIS, WEIHNACHTEN, STEPHAN]),
    # Zakon o blagdanima, spomendanima i neradnim danima (NN 110/2019), čl. 2.
    ("Kroatien", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, fixed("Tag der Staatlichkeit", 30, 5),
                  FRONLEICHNAM, fixed("Tag des antifaschistischen Kampfes", 22, 6),
                  fixed("Tag des Sieges", 5, 8), MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
                  fixed("Gedenktag für die Opfer des Heimatkrieges", 18, 11), WEIHNACHTEN, STEPHAN]),
    # Likums "Par svētku, atceres un atzīmējamām dienām", 1. pants. Its 2.1 pants makes the next
    # Monday a holiday when 4 May or 18 November falls on a weekend: a known gap (2025-05-05,
    # 2028-11-20, ...), as no rule type gives a day only in some years.
    ("Lettland", [NEUJAHR, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT,
                  fixed("Tag der Wiederherstellung der Unabhängigkeit", 4, 5), PFINGSTSONNTAG,
                  fixed("Ligo-Tag", 23, 6), fixed("Johannistag", 24, 6), fixed("Tag der Republik", 18, 11),
                  HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2, SILVESTER]),
    # Arbeitsgesetz (LR 822.10) Art. 18 and its ordinance: the days treated like Sundays.
    ("Liechtenstein", [NEUJAHR, BERCHTOLD, DREIKOENIG, fixed("Mariä Lichtmess", 2, 2), JOSEF, OSTERMONTAG,
                       ARBEIT, HIMMELFAHRT, PFINGSTMONTAG, FRONLEICHNAM, fixed("Staatsfeiertag", 15, 8),
                       fixed("Mariä Geburt", 8, 9), ALLERHEILIGEN, MARIAE_EMPFAENGNIS, HEILIGABEND,
                       WEIHNACHTEN, STEPHAN, SILVESTER]),
    # Darbo kodeksas (Labour Code) art. 123; Mother's and Father's Day are the first Sundays of
    # May and June.
    ("Litauen", [NEUJAHR, fixed("Tag der Wiederherstellung des Staates", 16, 2),
                 fixed("Tag der Wiederherstellung der Unabhängigkeit", 11, 3), OSTERSONNTAG, OSTERMONTAG,
                 ARBEIT, weekday("Muttertag", 6, 30, 4), weekday("Vatertag", 6, 31, 5),
                 fixed("Johannistag", 24, 6), fixed("Tag der Staatlichkeit", 6, 7), MARIAE_HIMMELFAHRT,
                 ALLERHEILIGEN, fixed("Allerseelen", 2, 11), HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2]),
    # Code du travail, article L.232-2.
    ("Luxemburg", [NEUJAHR, OSTERMONTAG, ARBEIT, fixed("Europatag", 9, 5), HIMMELFAHRT, PFINGSTMONTAG,
                   fixed("Nationalfeiertag", 23, 6), MARIAE_HIMMELFAHRT, ALLERHEILIGEN, WEIHNACHTEN,
                   WEIHNACHTEN_2]),
    # National Holidays and other Public Holidays Act (Cap. 252).
    ("Malta", [NEUJAHR, fixed("Schiffbruch des Apostels Paulus", 10, 2), JOSEF,
               fixed("Tag der Freiheit", 31, 3), KARFREITAG, ARBEIT, fixed("Sette Giugno", 7, 6),
               fixed("Peter und Paul", 29, 6), MARIAE_HIMMELFAHRT, fixed("Tag des Sieges", 8, 9),
               fixed("Unabhängigkeitstag", 21, 9), MARIAE_EMPFAENGNIS, fixed("Tag der Republik", 13, 12),
               WEIHNACHTEN]),
    # Lov om helligdager og helligdagsfred § 2; lov om 1. og 17. mai som høgtidsdager.
    ("Norwegen", [NEUJAHR, GRUENDONNERSTAG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT,
                  fixed("Verfassungstag", 17, 5), HIMMELFAHRT, PFINGSTSONNTAG, PFINGSTMONTAG, WEIHNACHTEN,
                  WEIHNACHTEN_2]),
    # Ustawa z dnia 18 stycznia 1951 r. o dniach wolnych od pracy, art. 1; Christmas Eve from 2025.
    ("Polen", [NEUJAHR, DREIKOENIG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, fixed("Tag der Verfassung", 3, 5),
               PFINGSTSONNTAG, FRONLEICHNAM, MARIAE_HIMMELFAHRT, ALLERHEILIGEN,
               fixed("Unabhängigkeitstag", 11, 11), HEILIGABEND, WEIHNACHTEN, WEIHNACHTEN_2]),
    # Código do Trabalho, artigo 234.º (the four days restored in 2016 included).
    ("Portugal", [NEUJAHR, KARFREITAG, OSTERSONNTAG, fixed("Tag der Freiheit", 25, 4), ARBEIT, FRONLEICHNAM,
                  fixed("Nationalfeiertag", 10, 6), MARIAE_HIMMELFAHRT, fixed("Tag der Republik", 5, 10),
                  ALLERHEILIGEN, fixed("Wiederherstellung der Unabhängigkeit", 1, 12), MARIAE_EMPFAENGNIS,
                  WEIHNACHTEN]),
    # Lag (1989:253) om allmänna helgdagar; Midsummer Day and All Saints' Day are Saturdays.
    ("Schweden", [NEUJAHR, DREIKOENIG, KARFREITAG, OSTERSONNTAG, OSTERMONTAG, ARBEIT, HIMMELFAHRT,
                  fixed("Nationalfeiertag", 6, 6), PFINGSTSONNTAG, weekday("Mittsommertag", 5, 19, 6),
                  weekday("Allerheiligen", 5, 30, 10), WEIHNACHTEN, WEIHNACHTEN_2]),
    # Zákon č. 241/1993 Z. z. o štátnych sviatkoch, dňoch pracovného pokoja a pamätných dňoch,
    # §§ 1 and 2 as in force for 2026: after the consolidation amendments of 2024 and 2025,
    # 1 September, 17 November, 8 May and 15 September remain state holidays or memorial days but
    # are working days.
    ("Slowakei", [fixed("Tag der Entstehung der Slowakischen Republik", 1, 1), DREIKOENIG, KARFREITAG,
                  OSTERMONTAG, ARBEIT, fixed("Kyrill und Method", 5, 7),
                  fixed("Jahrestag des Slowakischen Nationalaufstands", 29, 8), ALLERHEILIGEN, HEILIGABEND,
                  WEIHNACHTEN, STEPHAN]),
    # Zakon o praznikih in dela prostih dnevih v Republiki Sloveniji, 1. člen.
    ("Slowenien", [NEUJAHR, fixed("Neujahr", 2, 1), fixed("Prešeren-Tag", 8, 2), OSTERSONNTAG, OSTERMONTAG,
                   fixed("Tag des Widerstands", 27, 4), ARBEIT, fixed("Tag der Arbeit", 2, 5), PFINGSTSONNTAG,
                   fixed("Staatsfeiertag", 25, 6), MARIAE_HIMMELFAHRT, REFORMATION, ALLERHEILIGEN, WEIHNACHTEN,
                   fixed("Tag der Unabhängigkeit und Einheit", 26, 12)]),
    # Zákon č. 245/2000 Sb. o státních svátcích, o ostatních svátcích, o významných dnech a o dnech
    # pracovního klidu.
    ("Tschechien", [NEUJAHR, KARFREITAG, OSTERMONTAG, ARBEIT, fixed("Tag der Befreiung", 8, 5),
                    fixed("Kyrill und Method", 5, 7), fixed("Jan Hus", 6, 7),
                    fixed("Tag der tschechischen Staatlichkeit", 28, 9),
                    fixed("Entstehung der Tschechoslowakei", 28, 10),
                    fixed("Tag des Kampfes für Freiheit und Demokratie", 17, 11), HEILIGABEND, WEIHNACHTEN,
                    WEIHNACHTEN_2]),
    # 2012. évi I. törvény a munka törvénykönyvéről, 102. § (1).
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
