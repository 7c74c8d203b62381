#include "ui/main/projekt_formular.h"

#include "datalib/dialoghilfe.h"
#include "ids/dialog_ids.h"

namespace kal {

namespace {
constexpr ProjektFeldZeile zeile(int feld, int control, FeldArt art) {
    return {feld, control, art, 0, 0, 0, nullptr};
}
constexpr ProjektFeldZeile wert(int feld, int liste, const char* fehlt) {
    return {feld, liste, FeldArt::Wert, 0, 0, 0, fehlt};
}
constexpr ProjektFeldZeile radiopaar(int feld, int an, int aus, FeldArt art = FeldArt::Radiopaar) {
    return {feld, an, art, aus, 0, 0, nullptr};
}
constexpr ProjektFeldZeile medium(int feld, FeldArt art, int seite, int groesse = 0) {
    return {feld, 0, art, 0, seite, groesse, nullptr};
}
// The six quantities of the user-defined media: value warm, value cold,
// unit warm, unit cold each.
constexpr int mw(int groesse) { return PF_EigenesMediumWerte + 4 * groesse; }

using A = FeldArt;
constexpr ProjektFeldZeile kFelder[] = {
    zeile(PF_Version, 0, A::Version),
    zeile(PF_Sicherheitsplatte, hd::Sicherheitsplatte, A::Kaestchen),
    medium(mw(EG_Viskositaet), A::MediumWert, 0, EG_Viskositaet),
    medium(mw(EG_Viskositaet) + 1, A::MediumWert, 1, EG_Viskositaet),
    medium(mw(EG_Viskositaet) + 2, A::MediumEinheit, 0, EG_Viskositaet),
    medium(mw(EG_Viskositaet) + 3, A::MediumEinheit, 1, EG_Viskositaet),
    medium(mw(EG_ViskositaetWand), A::MediumWert, 0, EG_ViskositaetWand),
    medium(mw(EG_ViskositaetWand) + 1, A::MediumWert, 1, EG_ViskositaetWand),
    medium(mw(EG_ViskositaetWand) + 2, A::MediumEinheit, 0, EG_ViskositaetWand),
    medium(mw(EG_ViskositaetWand) + 3, A::MediumEinheit, 1, EG_ViskositaetWand),
    medium(mw(EG_Dichte), A::MediumWert, 0, EG_Dichte),
    medium(mw(EG_Dichte) + 1, A::MediumWert, 1, EG_Dichte),
    medium(mw(EG_Dichte) + 2, A::MediumEinheit, 0, EG_Dichte),
    medium(mw(EG_Dichte) + 3, A::MediumEinheit, 1, EG_Dichte),
    medium(mw(EG_Waermekapazitaet), A::MediumWert, 0, EG_Waermekapazitaet),
    medium(mw(EG_Waermekapazitaet) + 1, A::MediumWert, 1, EG_Waermekapazitaet),
    medium(mw(EG_Waermekapazitaet) + 2, A::MediumEinheit, 0, EG_Waermekapazitaet),
    medium(mw(EG_Waermekapazitaet) + 3, A::MediumEinheit, 1, EG_Waermekapazitaet),
    medium(mw(EG_Waermeleitfaehigkeit), A::MediumWert, 0, EG_Waermeleitfaehigkeit),
    medium(mw(EG_Waermeleitfaehigkeit) + 1, A::MediumWert, 1, EG_Waermeleitfaehigkeit),
    medium(mw(EG_Waermeleitfaehigkeit) + 2, A::MediumEinheit, 0, EG_Waermeleitfaehigkeit),
    medium(mw(EG_Waermeleitfaehigkeit) + 3, A::MediumEinheit, 1, EG_Waermeleitfaehigkeit),
    medium(mw(EG_Alfa), A::MediumWert, 0, EG_Alfa),
    medium(mw(EG_Alfa) + 1, A::MediumWert, 1, EG_Alfa),
    medium(mw(EG_Alfa) + 2, A::MediumEinheit, 0, EG_Alfa),
    medium(mw(EG_Alfa) + 3, A::MediumEinheit, 1, EG_Alfa),
    medium(PF_NameWarm, A::MediumName, 0),
    medium(PF_NameKalt, A::MediumName, 1),
    medium(PF_GasWarm, A::MediumGas, 0),
    medium(PF_GasKalt, A::MediumGas, 1),
    medium(PF_GespeichertWarm, A::MediumGespeichert, 0),
    medium(PF_GespeichertKalt, A::MediumGespeichert, 1),
    medium(PF_BenutztWarm, A::MediumBenutzt, 0),
    medium(PF_BenutztKalt, A::MediumBenutzt, 1),
    zeile(PF_Leistung, hd::Leistung, A::Text),
    zeile(PF_LeistungEinheit, hd::EinheitLeistung, A::Position),
    zeile(PF_Sicherheit, hd::Sicherheit, A::Text),
    zeile(PF_MediumWarm, hd::MediumWarm, A::Position),
    zeile(PF_MediumKalt, hd::MediumKalt, A::Position),
    zeile(PF_TEinWarm, hd::TEinWarm, A::Text),
    zeile(PF_TEinWarm + 1, hd::EinheitTEinWarm, A::Position),
    zeile(PF_TEinWarm + 2, hd::TEinKalt, A::Text),
    zeile(PF_TEinWarm + 3, hd::EinheitTEinKalt, A::Position),
    zeile(PF_TEinWarm + 4, hd::TAusWarm, A::Text),
    zeile(PF_TEinWarm + 5, hd::EinheitTAusWarm, A::Position),
    zeile(PF_TEinWarm + 6, hd::TAusKalt, A::Text),
    zeile(PF_TEinWarm + 7, hd::EinheitTAusKalt, A::Position),
    zeile(PF_TEinWarm + 8, hd::DurchsatzWarm, A::Text),
    zeile(PF_TEinWarm + 9, hd::EinheitDurchsatzWarm, A::Position),
    zeile(PF_TEinWarm + 10, hd::DurchsatzKalt, A::Text),
    zeile(PF_TEinWarm + 11, hd::EinheitDurchsatzKalt, A::Position),
    zeile(PF_TEinWarm + 12, hd::DruckverlustWarm, A::Text),
    zeile(PF_TEinWarm + 13, hd::EinheitDruckverlustWarm, A::Position),
    zeile(PF_TEinWarm + 14, hd::DruckverlustKalt, A::Text),
    zeile(PF_TEinWarm + 15, hd::EinheitDruckverlustKalt, A::Position),
    zeile(PF_TEinWarm + 16, hd::FoulingWarm, A::Text),
    zeile(PF_TEinWarm + 17, hd::EinheitFoulingWarm, A::Position),
    zeile(PF_TEinWarm + 18, hd::FoulingKalt, A::Text),
    zeile(PF_TEinWarm + 19, hd::EinheitFoulingKalt, A::Position),
    zeile(PF_TEinWarm + 20, hd::GasDruckWarm, A::Text),
    zeile(PF_TEinWarm + 21, hd::EinheitGasDruckWarm, A::Position),
    zeile(PF_TEinWarm + 22, hd::GasDruckKalt, A::Text),
    zeile(PF_TEinWarm + 23, hd::EinheitGasDruckKalt, A::Position),
    zeile(PF_Plattenmaterial, hd::MaterialPlatte, A::Position),
    wert(PF_DichtungWarm, hd::DichtungWarm, "Dichtungwarmfehlt"),
    wert(PF_DichtungKalt, hd::DichtungKalt, "Dichtungkaltfehlt"),
    wert(PF_Gestell, hd::Gestell, "Gestellmaterialfehlt"),
    // the frame variant and the plate-type mode are selected right before
    // the list whose missing id they precede
    zeile(PF_GestellNorm, hd::GestellVariante, A::Position),
    wert(PF_Druckstufe, hd::Druckstufe, "Druckstufefehlt"),
    zeile(PF_PlattentypModus, hd::PlattentypModus, A::Position),
    wert(PF_Plattentyp, hd::Plattentyp, "Plattentypfehlt"),
    zeile(PF_SpaltenModus, hd::SpaltenModus, A::Position),
    zeile(PF_Spalten, hd::Spalten, A::Text),
    zeile(PF_SerienModus, hd::SerienModus, A::Position),
    zeile(PF_Serien, hd::Serien, A::Text),
    zeile(PF_Anzahl1, hd::Anzahl1, A::Text),
    zeile(PF_Spalttyp1, hd::Spalttyp1, A::Position),
    zeile(PF_Anzahl2, hd::Anzahl2, A::Text),
    zeile(PF_Spalttyp2, hd::Spalttyp2, A::Position),
    radiopaar(PF_Modus, hd::Nachrechnen, hd::Auslegen, A::Modus),
    radiopaar(PF_Millimeter, hd::MassMm, hd::MassInch),
    radiopaar(PF_US, hd::SystemUS, hd::SystemSI),
};

constexpr bool inDateiReihenfolge() {
    int n = 0;
    for (const ProjektFeldZeile& z : kFelder)
        if (z.feld != ++n) return false;
    return n == kProjektFelder;
}
static_assert(inDateiReihenfolge(), "one row per field, in file order");

void schreibe(ProjektInhalt& p, const ProjektFeldZeile& z, const Form& f,
              const EigeneMedien& medien, int berechnungsart, const std::set<int>& ohneText) {
    const EigenesMedium& m = medien[static_cast<size_t>(z.seite)];
    const size_t g = static_cast<size_t>(z.groesse);
    switch (z.art) {
        case A::Version:
            p.setzeFeld(z.feld, kProjektVersion);
            break;
        case A::Text:
            p.setzeFeld(z.feld, ohneText.count(z.control) ? std::string() : f.text(z.control));
            break;
        case A::Position:
            p.setzeInt(z.feld, f.selection(z.control));
            break;
        case A::Wert:
            p.setzeInt(z.feld, f.selectedValue(z.control, -1));
            break;
        case A::Kaestchen:
        case A::Radiopaar:
            p.setzeInt(z.feld, f.checked(z.control) ? 1 : 0);
            break;
        case A::Modus:
            p.setzeInt(z.feld, berechnungsart == 1 ? 1 : 0);
            break;
        case A::MediumWert:
            p.setzeFeld(z.feld, projektZahlText(m.werte[g]));
            break;
        case A::MediumEinheit:
            p.setzeInt(z.feld, m.einheiten[g]);
            break;
        case A::MediumName:
            p.setzeFeld(z.feld, m.name);
            break;
        case A::MediumGas:
            p.setzeInt(z.feld, m.gas);
            break;
        case A::MediumGespeichert:
            p.setzeInt(z.feld, m.gespeichert);
            break;
        case A::MediumBenutzt:
            p.setzeInt(z.feld, m.benutzt);
            break;
    }
}

void lies(const ProjektInhalt& p, const ProjektFeldZeile& z, Form& f, EigeneMedien& medien,
          const CIniEx& sprache, const std::string& titel, MessagePort* meldungen) {
    EigenesMedium& m = medien[static_cast<size_t>(z.seite)];
    const size_t g = static_cast<size_t>(z.groesse);
    switch (z.art) {
        case A::Version:
            break;
        case A::Text:
            f.setText(z.control, p.feld(z.feld));
            break;
        case A::Position:
            f.select(z.control, p.intFeld(z.feld));
            break;
        case A::Wert: {
            const int pos = f.findValue(z.control, p.intFeld(z.feld));
            if (pos >= 0) {
                f.select(z.control, pos);
                break;
            }
            zeigeMeldung(meldungen, sprache, "error", z.fehlt, titel);
            f.select(z.control, 1);
            f.setFocus(z.control);
            break;
        }
        case A::Kaestchen:
            f.setChecked(z.control, p.intFeld(z.feld) == 1);
            break;
        case A::Radiopaar:
        case A::Modus: {
            bool an = p.intFeld(z.feld) == 1;
            f.setChecked(z.control, an);
            f.setChecked(z.partner, !an);
            break;
        }
        case A::MediumWert:
            m.werte[g] = p.doubleFeld(z.feld);
            break;
        case A::MediumEinheit:
            m.einheiten[g] = p.intFeld(z.feld);
            break;
        case A::MediumName:
            m.name = p.feld(z.feld);
            break;
        case A::MediumGas:
            m.gas = p.intFeld(z.feld) != 0;
            break;
        case A::MediumGespeichert:
            m.gespeichert = p.intFeld(z.feld) == 1;
            break;
        case A::MediumBenutzt:
            m.benutzt = p.intFeld(z.feld) == 1;
            break;
    }
}
}  // namespace

std::span<const ProjektFeldZeile> projektFeldTabelle() { return kFelder; }

ProjektInhalt projektAusFormular(const Form& f, const EigeneMedien& medien, int berechnungsart,
                                 const std::set<int>& ohneText) {
    ProjektInhalt p;
    for (const ProjektFeldZeile& z : kFelder) schreibe(p, z, f, medien, berechnungsart, ohneText);
    return p;
}

int projektInFormular(const ProjektInhalt& p, Form& f, EigeneMedien& medien, const CIniEx& sprache,
                      const std::string& titel, MessagePort* meldungen,
                      const std::function<void()>& plattentypRegel,
                      const std::function<void()>& eigenesMediumEintraege,
                      const std::function<void(int)>& spalttypenListen,
                      const std::function<void()>& medienGewaehlt) {
    const int modus = p.intFeld(PF_Modus) == 1 ? 1 : 0;
    for (const ProjektFeldZeile& z : kFelder) {
        // channel type positions index the lists as they were when saved
        if (z.feld == PF_Anzahl1 && spalttypenListen) spalttypenListen(modus);
        lies(p, z, f, medien, sprache, titel, meldungen);
        if (z.feld == PF_Sicherheitsplatte && plattentypRegel) plattentypRegel();
        if (z.feld == PF_BenutztKalt && eigenesMediumEintraege) eigenesMediumEintraege();
        if (z.feld == PF_MediumKalt && medienGewaehlt) medienGewaehlt();
    }
    return modus;
}

}  // namespace kal
