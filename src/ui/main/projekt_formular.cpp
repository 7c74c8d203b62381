#include "projekt_formular.h"

namespace kal {

namespace {
// Fields 40..63: (text control, unit list) pairs.
const int kTextEinheit[12][2] = {{1188, 1313}, {1277, 1368}, {1278, 1314}, {1279, 1371},
                                 {1035, 1423}, {1059, 1424}, {1037, 1137}, {1057, 1127},
                                 {1039, 1142}, {1061, 1128}, {1045, 1143}, {1062, 1129}};

struct IdFeld {
    int feld, liste;
    const char* key;
};
}  // namespace

ProjektInhalt projektAusFormular(const Form& f, const EigeneMedien& medien, int berechnungsart) {
    ProjektInhalt p;
    p.setzeFeld(PF_Version, kProjektVersion);
    p.setzeInt(PF_Sicherheitsplatte, f.checked(1421) ? 1 : 0);
    for (int g = 0; g < EG_Anzahl; ++g) {
        int basis = PF_EigenesMediumWerte + 4 * g;
        p.setzeFeld(basis, projektZahlText(medien[0].werte[static_cast<size_t>(g)]));
        p.setzeFeld(basis + 1, projektZahlText(medien[1].werte[static_cast<size_t>(g)]));
        p.setzeInt(basis + 2, medien[0].einheiten[static_cast<size_t>(g)]);
        p.setzeInt(basis + 3, medien[1].einheiten[static_cast<size_t>(g)]);
    }
    p.setzeFeld(PF_NameWarm, medien[0].name);
    p.setzeFeld(PF_NameKalt, medien[1].name);
    p.setzeInt(PF_GasWarm, medien[0].gas);
    p.setzeInt(PF_GasKalt, medien[1].gas);
    p.setzeInt(PF_GespeichertWarm, medien[0].gespeichert);
    p.setzeInt(PF_GespeichertKalt, medien[1].gespeichert);
    p.setzeInt(PF_BenutztWarm, medien[0].benutzt);
    p.setzeInt(PF_BenutztKalt, medien[1].benutzt);
    p.setzeFeld(PF_Leistung, f.text(1018));
    p.setzeInt(PF_LeistungEinheit, f.selection(1123));
    p.setzeFeld(PF_Sicherheit, f.text(1029));
    p.setzeInt(PF_MediumWarm, f.selection(1364));
    p.setzeInt(PF_MediumKalt, f.selection(1365));
    for (int i = 0; i < 12; ++i) {
        p.setzeFeld(PF_TEinWarm + 2 * i, f.text(kTextEinheit[i][0]));
        p.setzeInt(PF_TEinWarm + 2 * i + 1, f.selection(kTextEinheit[i][1]));
    }
    p.setzeInt(PF_Plattenmaterial, f.selection(1003));
    p.setzeInt(PF_DichtungWarm, f.selectedValue(1346, -1));
    p.setzeInt(PF_DichtungKalt, f.selectedValue(1380, -1));
    p.setzeInt(PF_Gestell, f.selectedValue(1005, -1));
    p.setzeInt(PF_GestellNorm, f.selection(1007));
    p.setzeInt(PF_Druckstufe, f.selectedValue(1006, -1));
    p.setzeInt(PF_PlattentypModus, f.selection(1015));
    p.setzeInt(PF_Plattentyp, f.selectedValue(1009, -1));
    p.setzeInt(PF_SpaltenModus, f.selection(1008));
    p.setzeFeld(PF_Spalten, f.text(1271));
    p.setzeInt(PF_SerienModus, f.selection(1040));
    p.setzeFeld(PF_Serien, f.text(1041));
    p.setzeFeld(PF_Anzahl1, f.text(1302));
    p.setzeInt(PF_Spalttyp1, f.selection(1366));
    p.setzeFeld(PF_Anzahl2, f.text(1335));
    p.setzeInt(PF_Spalttyp2, f.selection(1367));
    p.setzeInt(PF_Modus, berechnungsart == 1 ? 1 : 0);
    p.setzeInt(PF_Millimeter, f.checked(1117) ? 1 : 0);
    p.setzeInt(PF_US, f.checked(1082) ? 1 : 0);
    return p;
}

int projektInFormular(const ProjektInhalt& p, Form& f, EigeneMedien& medien, const CIniEx& sprache,
                      const std::string& titel, MessagePort* meldungen,
                      const std::function<void()>& plattentypRegel,
                      const std::function<void()>& eigenesMediumEintraege,
                      const std::function<void(int)>& spalttypenListen) {
    f.setChecked(1421, p.intFeld(PF_Sicherheitsplatte) == 1);
    if (plattentypRegel) plattentypRegel();

    for (int s = 0; s < 2; ++s) {
        EigenesMedium& m = medien[static_cast<size_t>(s)];
        for (int g = 0; g < EG_Anzahl; ++g) {
            int basis = PF_EigenesMediumWerte + 4 * g;
            m.werte[static_cast<size_t>(g)] = p.doubleFeld(basis + s);
            m.einheiten[static_cast<size_t>(g)] = p.intFeld(basis + 2 + s);
        }
        m.name = p.feld(s == 0 ? PF_NameWarm : PF_NameKalt);
        m.gas = p.intFeld(s == 0 ? PF_GasWarm : PF_GasKalt) != 0;
        m.gespeichert = p.intFeld(s == 0 ? PF_GespeichertWarm : PF_GespeichertKalt) == 1;
        m.benutzt = p.intFeld(s == 0 ? PF_BenutztWarm : PF_BenutztKalt) == 1;
    }
    if (eigenesMediumEintraege) eigenesMediumEintraege();

    f.setText(1018, p.feld(PF_Leistung));
    f.select(1123, p.intFeld(PF_LeistungEinheit));
    f.setText(1029, p.feld(PF_Sicherheit));
    f.select(1364, p.intFeld(PF_MediumWarm));
    f.select(1365, p.intFeld(PF_MediumKalt));
    for (int i = 0; i < 12; ++i) {
        f.setText(kTextEinheit[i][0], p.feld(PF_TEinWarm + 2 * i));
        f.select(kTextEinheit[i][1], p.intFeld(PF_TEinWarm + 2 * i + 1));
    }
    f.select(1003, p.intFeld(PF_Plattenmaterial));

    const IdFeld ids[] = {{PF_DichtungWarm, 1346, "Dichtungwarmfehlt"},
                          {PF_DichtungKalt, 1380, "Dichtungkaltfehlt"},
                          {PF_Gestell, 1005, "Gestellmaterialfehlt"},
                          {PF_Druckstufe, 1006, "Druckstufefehlt"},
                          {PF_Plattentyp, 1009, "Plattentypfehlt"}};
    for (const IdFeld& e : ids) {
        if (e.feld == PF_Druckstufe) f.select(1007, p.intFeld(PF_GestellNorm));
        if (e.feld == PF_Plattentyp) f.select(1015, p.intFeld(PF_PlattentypModus));
        int pos = f.findValue(e.liste, p.intFeld(e.feld));
        if (pos >= 0) {
            f.select(e.liste, pos);
            continue;
        }
        if (meldungen) {
            Message m;
            m.text = sprache.GetValue("error", e.key, "");
            m.caption = titel;
            m.section = "error";
            m.key = e.key;
            m.icon = MessageIcon::Error;
            meldungen->showMessage(m);
        }
        f.select(e.liste, 1);
        f.setFocus(e.liste);
    }

    f.select(1008, p.intFeld(PF_SpaltenModus));
    f.setText(1271, p.feld(PF_Spalten));
    f.select(1040, p.intFeld(PF_SerienModus));
    f.setText(1041, p.feld(PF_Serien));
    int modus = p.intFeld(PF_Modus) == 1 ? 1 : 0;
    if (spalttypenListen) spalttypenListen(modus);
    f.setText(1302, p.feld(PF_Anzahl1));
    f.select(1366, p.intFeld(PF_Spalttyp1));
    f.setText(1335, p.feld(PF_Anzahl2));
    f.select(1367, p.intFeld(PF_Spalttyp2));

    f.setChecked(1171, modus == 1);
    f.setChecked(1169, modus == 0);
    bool mm = p.intFeld(PF_Millimeter) == 1;
    f.setChecked(1117, mm);
    f.setChecked(1122, !mm);
    bool us = p.intFeld(PF_US) == 1;
    f.setChecked(1082, us);
    f.setChecked(1083, !us);
    return modus;
}

}  // namespace kal
