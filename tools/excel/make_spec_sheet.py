#!/usr/bin/python3
"""Writes the spreadsheet templates dist/excel/spec-sheet_{uk,de}.xls.

The specification dialog puts its hand-over text on the clipboard, one value
a line, and opens the template of the current language. The user pastes into
cell A1 of the first sheet; the second sheet is the formatted specification
sheet, every cell a formula on the pasted line at its fixed position (no
macros). Needs python3-xlwt (Debian); the generated files are committed.

usage: tools/excel/make_spec_sheet.py [DIST_DIR]
       tools/excel/make_spec_sheet.py --filled PASTE.txt CODE OUT.xls
The second form writes a template with PASTE.txt (a hand-over text) already
in column A, as a paste leaves it, to check the formulas with a spreadsheet
program.
"""
import os
import sys

import xlwt

# Text of each language: the sheet names, the paste note, the captions.
TEXTE = {
    "uk": {
        "einfuegen": "Paste",
        "blatt": "Specification",
        "hinweis": [
            "Paste the specification here:",
            "select cell A1 of this sheet and paste (Ctrl+V).",
            "The formatted specification sheet is on the next sheet, 'Specification'.",
            "Keep column A empty otherwise; every line of the paste has its fixed row.",
        ],
        "titel": "Specification sheet, gasketed plate heat exchanger",
        "projekt": "Project", "position": "Item", "name": "Engineer", "telefon": "Telephone",
        "geraet": "Device", "version": "Program version",
        "warm": "Warm side", "kalt": "Cold side", "einheit": "Unit",
        "medium": "Medium", "bemerkung": "Remark", "zustand": "State",
        "massenstrom": "Mass flow", "volumenstrom": "Volume flow",
        "tein": "Inlet temperature", "taus": "Outlet temperature",
        "viskositaet": "Dynamic viscosity", "dichte": "Density",
        "cp": "Specific heat capacity", "lambda": "Thermal conductivity",
        "kondensat": "(vapour / condensate)",
        "enthalpie": "Condensation enthalpy", "dampfdruck": "Steam pressure",
        "gasdruck": "Operating pressure (gas)", "druckverlust": "Pressure drop",
        "serien": "Passes", "inhalt": "Hold-up volume",
        "kenndaten": "Performance data", "leistung": "Heat duty", "flaeche": "Heat transfer area",
        "dtm": "Mean temperature difference (LMTD / CMTD)",
        "k": "Overall heat transfer coeff. (required / effective)",
        "fouling": "Fouling factor", "reserve": "Area reserve",
        "konstruktion": "Design", "spalten": "Total channels", "typen": "Channel types",
        "gewicht": "Weight (empty)", "druck": "Design pressure",
        "maxtemp": "Max. operating temperature", "platten": "Plates", "dichtungen": "Gaskets",
        "gestell": "Frame", "anschluss": "Connection", "entleerung": "Drain / vent",
    },
    "de": {
        "einfuegen": "Einfuegen",
        "blatt": "Spezifikation",
        "hinweis": [
            "Hier die Spezifikation einfügen:",
            "Zelle A1 dieses Blatts wählen und einfügen (Strg+V).",
            "Das formatierte Spezifikationsblatt steht auf dem nächsten Blatt, 'Spezifikation'.",
            "Spalte A sonst leer lassen; jede Zeile des Einfügens hat ihre feste Zeile.",
        ],
        "titel": "Spezifikation, Plattenwärmeübertrager mit Dichtungen",
        "projekt": "Projekt", "position": "Position", "name": "Sachbearbeiter",
        "telefon": "Durchwahl", "geraet": "Gerät", "version": "Programmversion",
        "warm": "Warme Seite", "kalt": "Kalte Seite", "einheit": "Einheit",
        "medium": "Medium", "bemerkung": "Bemerkung", "zustand": "Zustand",
        "massenstrom": "Massenstrom", "volumenstrom": "Volumenstrom",
        "tein": "Eintrittstemperatur", "taus": "Austrittstemperatur",
        "viskositaet": "Dynamische Viskosität", "dichte": "Dichte",
        "cp": "Spezifische Wärmekapazität", "lambda": "Wärmeleitfähigkeit",
        "kondensat": "(Dampf / Kondensat)",
        "enthalpie": "Kondensationsenthalpie", "dampfdruck": "Dampfdruck",
        "gasdruck": "Betriebsdruck (Gas)", "druckverlust": "Druckverlust",
        "serien": "Wege", "inhalt": "Inhalt",
        "kenndaten": "Kenndaten", "leistung": "Wärmeleistung", "flaeche": "Austauschfläche",
        "dtm": "Mittlere Temperaturdifferenz (LMTD / CMTD)",
        "k": "Wärmedurchgangszahl (erforderlich / effektiv)",
        "fouling": "Verschmutzungsfaktor", "reserve": "Flächenreserve",
        "konstruktion": "Konstruktion", "spalten": "Spalten gesamt", "typen": "Spalttypen",
        "gewicht": "Gewicht (leer)", "druck": "Auslegungsdruck",
        "maxtemp": "Max. Betriebstemperatur", "platten": "Platten", "dichtungen": "Dichtungen",
        "gestell": "Gestell", "anschluss": "Anschluss", "entleerung": "Entleerung / Entlüftung",
    },
}

ZEILEN = 120  # rows of the paste kept as text


def baue(code, ziel, paste=None):
    t = TEXTE[code]
    p = t["einfuegen"]

    def z(n):
        # the pasted line n as text ("" for an empty line, never 0)
        return f"{p}!A{n}&\"\""

    def f(ausdruck):
        return xlwt.Formula(ausdruck)

    wb = xlwt.Workbook(encoding="utf-8")
    einfuegen = wb.add_sheet(p)
    blatt = wb.add_sheet(t["blatt"])

    # sheet 1: column A takes the paste as text, the note beside it
    text = xlwt.easyxf(num_format_str="@")
    fett = xlwt.easyxf("font: bold on, height 240")
    hinweis = xlwt.easyxf("font: height 220")
    for r in range(ZEILEN):
        einfuegen.write(r, 0, paste[r] if paste and r < len(paste) else "", text)
    einfuegen.col(0).width = 256 * 40
    for i, zeile in enumerate(t["hinweis"]):
        einfuegen.write(i + 1, 2, zeile, fett if i == 0 else hinweis)
    einfuegen.col(2).width = 256 * 80

    # sheet 2: the specification sheet
    titel = xlwt.easyxf("font: bold on, height 320")
    kopf = xlwt.easyxf("font: bold on; pattern: pattern solid, fore_colour gray25; "
                       "borders: bottom thin")
    abschnitt = xlwt.easyxf("font: bold on; borders: bottom thin")
    wert = xlwt.easyxf("alignment: horizontal right")
    links = xlwt.easyxf("alignment: horizontal left")
    blatt.fit_num_pages = 1  # printed on one page
    blatt.portrait = True
    for spalte, breite in enumerate((44, 22, 16, 22, 16)):
        blatt.col(spalte).width = 256 * breite
    blatt.write_merge(0, 0, 0, 4, t["titel"], titel)
    r = 2
    for key, zeile in (("projekt", 2), ("position", 3), ("name", 1), ("telefon", 4),
                       ("geraet", 6), ("version", 5)):
        blatt.write(r, 0, t[key])
        blatt.write_merge(r, r, 1, 4, f(z(zeile)), links)
        r += 1
    r += 1
    for spalte, key in enumerate(("", "warm", "einheit", "kalt", "einheit")):
        blatt.write(r, spalte, t[key] if key else "", kopf)
    r += 1

    def seiten(label, warm, einheit_w, kalt, einheit_k):
        nonlocal r
        blatt.write(r, 0, label)
        blatt.write(r, 1, f(warm), wert)
        blatt.write(r, 2, f(einheit_w))
        if kalt:
            blatt.write(r, 3, f(kalt), wert)
            blatt.write(r, 4, f(einheit_k))
        r += 1

    def eine(label, ausdruck, einheit=None):
        nonlocal r
        blatt.write(r, 0, label)
        if einheit is None:
            blatt.write_merge(r, r, 1, 4, f(ausdruck), links)
        else:
            blatt.write(r, 1, f(ausdruck), wert)
            blatt.write(r, 2, f(einheit))
        r += 1

    seiten(t["medium"], z(7), '""', z(8), '""')
    seiten(t["bemerkung"], z(9), '""', z(10), '""')
    seiten(t["zustand"], z(11), '""', z(12), '""')
    # four-line rows: unit warm, unit cold, warm, cold
    for key, ab in (("massenstrom", 13), ("volumenstrom", 17), ("tein", 21)):
        seiten(t[key], z(ab + 2), z(ab), z(ab + 3), z(ab + 1))
    # the warm outlet stands in line 27, or 28 when the warm side condenses
    seiten(t["taus"], f"{z(27)}&{z(28)}", z(25), z(29), z(26))
    # property rows: unit warm, unit cold, warm, condensate, cold
    for key, ab in (("viskositaet", 30), ("dichte", 35), ("cp", 40), ("lambda", 45)):
        warm = f'{z(ab + 2)}&IF({p}!A{ab + 3}="";"";" / "&{z(ab + 3)})'
        seiten(t[key], warm, z(ab), z(ab + 4), z(ab + 1))
    blatt.write(r, 0, t["kondensat"])
    r += 1
    seiten(t["enthalpie"], z(51), z(50), None, None)
    seiten(t["dampfdruck"], z(53), z(52), None, None)
    seiten(t["gasdruck"], z(55), z(54), z(57), z(56))
    seiten(t["druckverlust"], z(72), z(70), z(73), z(71))
    seiten(t["serien"], z(74), '""', z(75), '""')
    seiten(t["inhalt"], z(81), z(80), z(82), z(80))
    r += 1
    blatt.write_merge(r, r, 0, 4, t["kenndaten"], abschnitt)
    r += 1
    for key, ab in (("leistung", 58), ("flaeche", 60), ("dtm", 62), ("k", 64),
                    ("fouling", 66), ("reserve", 68)):
        eine(t[key], z(ab + 1), z(ab))
    r += 1
    blatt.write_merge(r, r, 0, 4, t["konstruktion"], abschnitt)
    r += 1
    eine(t["spalten"], z(76), '""')
    eine(t["typen"], z(77))
    eine(t["gewicht"], z(79), z(78))
    eine(t["druck"], z(84), z(83))
    eine(t["maxtemp"], z(86), z(85))
    eine(t["platten"], z(87))
    eine(t["dichtungen"], z(88))
    eine(t["gestell"], z(89))
    eine(f'{t["anschluss"]} - {t["warm"]}', f'{z(90)}&": "&{z(91)}&{z(92)}')
    eine(f'{t["anschluss"]} - {t["kalt"]}', f'{z(93)}&": "&{z(94)}&{z(95)}')
    # drains: two lines when a side has one, four empty lines otherwise, so
    # the cold drain starts in line 98 or 100 and the remark follows it
    kalt_ab = f'IF({p}!A96="";100;98)'
    eine(f'{t["entleerung"]} - {t["warm"]}', f'TRIM({z(96)}&" "&{z(97)})')
    eine(f'{t["entleerung"]} - {t["kalt"]}',
         f'TRIM(INDEX({p}!A1:A{ZEILEN};{kalt_ab})&" "&INDEX({p}!A1:A{ZEILEN};{kalt_ab}+1))')
    bemerkung = f'INDEX({p}!A1:A{ZEILEN};{kalt_ab}+IF(INDEX({p}!A1:A{ZEILEN};{kalt_ab})="";4;2))&""'
    eine(t["bemerkung"], bemerkung)

    einfuegen.set_selected(True)
    wb.active_sheet = 0
    wb.save(ziel)


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "--filled":
        with open(sys.argv[2], "rb") as datei:
            zeilen = datei.read().decode("utf-8").split("\r\n")
        baue(sys.argv[3], sys.argv[4], zeilen[:-1])
        return
    dist = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "dist")
    os.makedirs(os.path.join(dist, "excel"), exist_ok=True)
    for code in TEXTE:
        ziel = os.path.join(dist, "excel", f"spec-sheet_{code}.xls")
        baue(code, ziel)
        print(ziel)


if __name__ == "__main__":
    main()
