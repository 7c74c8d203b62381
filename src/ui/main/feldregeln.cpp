#include "feldregeln.h"

#include "format.h"

namespace kal::regeln {

namespace {
void zeigen(Form& f, int id, bool an) {
    f.setVisible(id, an);
    f.setEnabled(id, an);
}
}  // namespace

void plattentypListe(Form& f) { zeigen(f, Plattentyp, f.selection(ModusPlattentyp) != Frei); }

void spaltenRegel(Form& f, const Medienzustand& z) {
    if (f.selection(ModusSpalten) == Frei) {
        zeigen(f, Spalten, false);
        return;
    }
    f.setVisible(Spalten, true);
    f.setEnabled(Spalten, z.berechnungsart == 0);  // computed in rating
}

void serienRegel(Form& f, const Medienzustand& z) {
    if (f.selection(ModusSerien) == Frei) {
        zeigen(f, Serien, false);
        return;
    }
    f.setVisible(Serien, true);
    if (z.einTypJeSeite()) {
        f.setEnabled(Serien, false);
        f.setText(Serien, "1");
    } else {
        f.setEnabled(Serien, true);
    }
}

void serienModusRegel(Form& f, const Medienzustand& z) {
    if (z.einTypJeSeite()) {
        f.select(ModusSerien, Fix);
        f.setEnabled(ModusSerien, false);
    } else {
        f.setEnabled(ModusSerien, z.berechnungsart == 0);
    }
    serienRegel(f, z);
}

void spalttypenRegel(Form& f, const Medienzustand& z) {
    if (z.berechnungsart == 0) {
        for (int id : {Spalttyp1, Anzahl1, Spalttyp2, Anzahl2}) f.setEnabled(id, false);
        return;
    }
    f.setEnabled(Spalttyp1, true);
    f.setEnabled(Anzahl1, true);
    if (z.einTypJeSeite()) {
        f.setEnabled(Spalttyp2, false);
        f.select(Spalttyp2, -1);
        f.setEnabled(Anzahl2, false);
        f.setText(Anzahl2, "");
    } else {
        f.setEnabled(Spalttyp2, true);
        f.setEnabled(Anzahl2, true);
    }
}

void gasdruckRegeln(Form& f, const Medienzustand& z) {
    bool warm = z.gasWarm && !z.eigenesWarm && !z.kondensation;
    zeigen(f, GasdruckWarm, warm);
    zeigen(f, EinheitGasWarm, warm);
    if (!warm) f.setText(GasdruckWarm, "");
    bool kalt = z.gasKalt && !z.eigenesKalt;
    zeigen(f, GasdruckKalt, kalt);
    zeigen(f, EinheitGasKalt, kalt);
    if (!kalt) f.setText(GasdruckKalt, "");
    f.setVisible(LabelGasdruck, warm || kalt);
}

void kondensationsTexte(Form& f, const Medienzustand& z, const CIniEx& sprache) {
    if (z.kondensation) {
        f.setText(LabelTEin, sprache.GetValue("maindialog", "kondens", ""));
        f.setText(LabelTAus, sprache.GetValue("maindialog", "unterkuehlung", ""));
        int k = f.findPrefix(EinheitTAusWarm, "K");
        if (k >= 0) f.select(EinheitTAusWarm, k);
        f.setEnabled(EinheitTAusWarm, false);
    } else {
        f.setText(LabelTEin, sprache.GetValue("maindialog", "ton", ""));
        f.setText(LabelTAus, sprache.GetValue("maindialog", "toff", ""));
        f.setEnabled(EinheitTAusWarm, true);
    }
}

void modusWechseln(Form& f, int alt, int neu) {
    f.setChecked(Auslegen, neu == 0);
    f.setChecked(Nachrechnen, neu == 1);
    if (neu == 0) {
        if (alt == 1) {
            f.select(ModusPlattentyp, Frei);
            f.select(ModusSpalten, Frei);
            f.select(ModusSerien, Fix);
            f.setText(Serien, "1");
        }
        for (int id : {ModusPlattentyp, ModusSpalten, ModusSerien}) f.setEnabled(id, true);
        return;
    }
    for (int id : {ModusPlattentyp, ModusSpalten, ModusSerien}) f.select(id, Fix);
    if (f.text(Serien).empty()) f.setText(Serien, "1");
    if (alt == 0) {
        // the last design result becomes the rating input
        std::string typ = f.text(ErgebnisPlattentyp);
        if (!typ.empty()) {
            int pos = f.findExact(Plattentyp, typ);
            if (pos >= 0) f.select(Plattentyp, pos);
        }
        std::string serien = f.text(ErgebnisSerien);
        if (!serien.empty()) f.setText(Serien, serien);
    }
    for (int id : {ModusPlattentyp, ModusSpalten, ModusSerien}) f.setEnabled(id, false);
}

void eingabenLeeren(Form& f, int berechnungsart) {
    for (int id : {Leistung, Sicherheit, TEinWarm, TEinKalt, TAusWarm, TAusKalt, DurchsatzWarm,
                   DurchsatzKalt, DpWarm, DpKalt, FoulingWarm, FoulingKalt, GasdruckWarm,
                   GasdruckKalt, Spalten, Serien})
        f.setText(id, "");
    if (berechnungsart == 1) {
        f.setText(Anzahl1, "");
        f.setText(Anzahl2, "");
        f.select(Spalttyp1, -1);
        f.select(Spalttyp2, -1);
    }
}

bool spaltenJeSeiteBerechnen(Form& f, InputHelper& input) {
    int a1 = 0, a2 = 0, serien = 0;
    if (!input.validateEditInteger(f, Anzahl1, a1, true, 0, 2147483647)) return false;
    if (!input.validateEditInteger(f, Anzahl2, a2, true, 0, 2147483647)) return false;
    if (!input.validateEditInteger(f, Serien, serien, true, -2147483647 - 1, 2147483647))
        return false;
    if (serien <= 0) serien = 1;
    long long summe = static_cast<long long>(serien) * (static_cast<long long>(a1) + a2);
    if (summe > 2147483647LL) summe = 2147483647LL;  // never overflow into a negative count
    f.setText(Spalten, formatiere("%lld", summe));
    return true;
}

}  // namespace kal::regeln
