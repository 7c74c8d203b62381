#include "ui/main/feldregeln.h"

#include "datalib/format.h"

namespace kal::regeln {

namespace {
void zeigen(Form& f, int id, bool an) {
    f.setVisible(id, an);
    f.setEnabled(id, an);
}
}  // namespace

void plattentypListe(Form& f) {
    zeigen(f, hd::Plattentyp, f.selection(hd::PlattentypModus) != Frei);
}

void spaltenRegel(Form& f, const Medienzustand& z) {
    if (f.selection(hd::SpaltenModus) == Frei) {
        zeigen(f, hd::Spalten, false);
        return;
    }
    f.setVisible(hd::Spalten, true);
    f.setEnabled(hd::Spalten, z.berechnungsart == 0);  // computed in rating
}

void serienRegel(Form& f, const Medienzustand& z) {
    if (f.selection(hd::SerienModus) == Frei) {
        zeigen(f, hd::Serien, false);
        return;
    }
    f.setVisible(hd::Serien, true);
    if (z.einTypJeSeite()) {
        f.setEnabled(hd::Serien, false);
        f.setText(hd::Serien, "1");
    } else {
        f.setEnabled(hd::Serien, true);
    }
}

void serienModusRegel(Form& f, const Medienzustand& z) {
    if (z.einTypJeSeite()) {
        f.select(hd::SerienModus, Fix);
        f.setEnabled(hd::SerienModus, false);
    } else {
        f.setEnabled(hd::SerienModus, z.berechnungsart == 0);
    }
    serienRegel(f, z);
}

void spalttypenRegel(Form& f, const Medienzustand& z) {
    if (z.berechnungsart == 0) {
        for (int id : {hd::Spalttyp1, hd::Anzahl1, hd::Spalttyp2, hd::Anzahl2})
            f.setEnabled(id, false);
        return;
    }
    f.setEnabled(hd::Spalttyp1, true);
    f.setEnabled(hd::Anzahl1, true);
    if (z.einTypJeSeite()) {
        f.setEnabled(hd::Spalttyp2, false);
        f.select(hd::Spalttyp2, -1);
        f.setEnabled(hd::Anzahl2, false);
        f.setText(hd::Anzahl2, "");
    } else {
        f.setEnabled(hd::Spalttyp2, true);
        f.setEnabled(hd::Anzahl2, true);
    }
}

void gasdruckRegeln(Form& f, const Medienzustand& z) {
    bool warm = z.gasWarm && !z.eigenesWarm && !z.kondensation;
    zeigen(f, hd::GasDruckWarm, warm);
    zeigen(f, hd::EinheitGasDruckWarm, warm);
    if (!warm) f.setText(hd::GasDruckWarm, "");
    bool kalt = z.gasKalt && !z.eigenesKalt;
    zeigen(f, hd::GasDruckKalt, kalt);
    zeigen(f, hd::EinheitGasDruckKalt, kalt);
    if (!kalt) f.setText(hd::GasDruckKalt, "");
    f.setVisible(hd::LabelGasDruck, warm || kalt);
}

void kondensationsTexte(Form& f, const Medienzustand& z, const CIniEx& sprache) {
    if (z.kondensation) {
        f.setText(hd::LabelTEin, sprache.GetValue("maindialog", "kondens", ""));
        f.setText(hd::LabelTAus, sprache.GetValue("maindialog", "unterkuehlung", ""));
        int k = f.findPrefix(hd::EinheitTAusWarm, "K");
        if (k >= 0) f.select(hd::EinheitTAusWarm, k);
        f.setEnabled(hd::EinheitTAusWarm, false);
    } else {
        f.setText(hd::LabelTEin, sprache.GetValue("maindialog", "ton", ""));
        f.setText(hd::LabelTAus, sprache.GetValue("maindialog", "toff", ""));
        f.setEnabled(hd::EinheitTAusWarm, true);
    }
}

void modusWechseln(Form& f, int alt, int neu) {
    f.setChecked(hd::Auslegen, neu == 0);
    f.setChecked(hd::Nachrechnen, neu == 1);
    if (neu == 0) {
        if (alt == 1) {
            f.select(hd::PlattentypModus, Frei);
            f.select(hd::SpaltenModus, Frei);
            f.select(hd::SerienModus, Fix);
            f.setText(hd::Serien, "1");
        }
        for (int id : {hd::PlattentypModus, hd::SpaltenModus, hd::SerienModus})
            f.setEnabled(id, true);
        return;
    }
    for (int id : {hd::PlattentypModus, hd::SpaltenModus, hd::SerienModus}) f.select(id, Fix);
    if (f.text(hd::Serien).empty()) f.setText(hd::Serien, "1");
    if (alt == 0) {
        // the last design result becomes the rating input
        std::string typ = f.text(hd::ErgPlattentyp);
        if (!typ.empty()) {
            int pos = f.findExact(hd::Plattentyp, typ);
            if (pos >= 0) f.select(hd::Plattentyp, pos);
        }
        std::string serien = f.text(hd::ErgSerien);
        if (!serien.empty()) f.setText(hd::Serien, serien);
    }
    for (int id : {hd::PlattentypModus, hd::SpaltenModus, hd::SerienModus}) f.setEnabled(id, false);
}

void eingabenLeeren(Form& f, int berechnungsart) {
    for (int id : {hd::Leistung, hd::Sicherheit, hd::TEinWarm, hd::TEinKalt, hd::TAusWarm,
                   hd::TAusKalt, hd::DurchsatzWarm, hd::DurchsatzKalt, hd::DruckverlustWarm,
                   hd::DruckverlustKalt, hd::FoulingWarm, hd::FoulingKalt, hd::GasDruckWarm,
                   hd::GasDruckKalt, hd::Spalten, hd::Serien})
        f.setText(id, "");
    if (berechnungsart == 1) {
        f.setText(hd::Anzahl1, "");
        f.setText(hd::Anzahl2, "");
        f.select(hd::Spalttyp1, -1);
        f.select(hd::Spalttyp2, -1);
    }
}

bool spaltenJeSeiteBerechnen(Form& f, InputHelper& input) {
    int a1 = 0, a2 = 0, serien = 0;
    if (!input.validateEditInteger(f, hd::Anzahl1, a1, true, 0, 2147483647)) return false;
    if (!input.validateEditInteger(f, hd::Anzahl2, a2, true, 0, 2147483647)) return false;
    if (!input.validateEditInteger(f, hd::Serien, serien, true, -2147483647 - 1, 2147483647))
        return false;
    if (serien <= 0) serien = 1;
    long long summe = static_cast<long long>(serien) * (static_cast<long long>(a1) + a2);
    if (summe > 2147483647LL) summe = 2147483647LL;  // never overflow into a negative count
    f.setText(hd::Spalten, formatiere("%lld", summe));
    return true;
}

}  // namespace kal::regeln
