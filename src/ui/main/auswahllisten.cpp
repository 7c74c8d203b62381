#include "ui/main/auswahllisten.h"

#include "datalib/format.h"

namespace kal::listen {

namespace {
void einheitenFuellen(Form& f, int liste, const Data& data, int gruppe, int erste) {
    f.clearItems(liste);
    if (const EinheitenGruppe* g = data.getEinheitenGruppeListe().internalGetAt(gruppe))
        for (int i = 0; i < g->getAnzahlEinheiten(); ++i)
            f.addItem(liste, g->getEinheitAt(i)->getName(), i);
    f.select(liste, erste);
}

void durchsatzEinheitenFuellen(Form& f, int liste, const Data& data) {
    f.clearItems(liste);
    const auto& gruppen = data.getEinheitenGruppeListe();
    int pos = 0;
    for (int gruppe : {einheitengruppe::Massenstrom, einheitengruppe::Volumenstrom})
        if (const EinheitenGruppe* g = gruppen.internalGetAt(gruppe))
            for (int i = 0; i < g->getAnzahlEinheiten(); ++i)
                f.addItem(liste, g->getEinheitAt(i)->getName(), pos++);
    f.select(liste, 0);
}

void medienFuellen(Form& f, int liste, int seite, const Data& data, const CIniEx& sprache) {
    f.clearItems(liste);
    const auto& stoffe = data.getStoffdatenListe();
    for (int i = 0; i < stoffe.getSize(); ++i) {
        const Stoffdaten* s = stoffe.internalGetAt(i);
        if (s->IsMediumFuerSeiteZulaessig(seite)) f.addItem(liste, s->getName(), i);
    }
    f.addItem(liste, sprache.GetValue("combobox", "anderesMedium", ""), stoffe.getSize());
    f.select(liste, 0);
}

void dichtungenFuellen(Form& f, int liste, const Data& data) {
    f.clearItems(liste);
    for (const auto& d : data.getDichtungAListe().alle())
        if (d.getAktiv()) f.addItem(liste, dichtungText(d), d.getObjectId());
}
}  // namespace

std::string dichtungText(const DichtungA& d) {
    return formatiere("%s  -  %g °C", d.getName().c_str(), d.getMaxTemp());
}

void fuelleModusListen(Form& f, const CIniEx& sprache) {
    for (int liste : {hd::SerienModus, hd::PlattentypModus, hd::SpaltenModus}) {
        int pos = f.selection(liste);
        f.clearItems(liste);
        f.addItem(liste, sprache.GetValue("combobox", "frei", ""), 0);
        f.addItem(liste, sprache.GetValue("combobox", "fix", ""), 1);
        f.addItem(liste, sprache.GetValue("combobox", "min", ""), 2);
        f.addItem(liste, sprache.GetValue("combobox", "max", ""), 3);
        f.select(liste, pos);
    }
}

Zulassungen fuelleAlle(Form& f, const Data& data, const CIniEx& sprache, int& maxReihenfolge) {
    Zulassungen z;
    f.clearItems(hd::MaterialPlatte);
    for (const auto& m : data.getMaterialPlatteAListe().alle()) {
        if (!m.getZulaessig()) continue;
        z.plattenmaterial[f.itemCount(hd::MaterialPlatte)] = m.getObjectId();
        f.addItem(hd::MaterialPlatte, m.getName(), m.getObjectId());
    }
    f.select(hd::MaterialPlatte, 0);
    dichtungenFuellen(f, hd::DichtungWarm, data);
    f.select(hd::DichtungWarm, 0);
    dichtungenFuellen(f, hd::DichtungKalt, data);
    f.select(hd::DichtungKalt, 0);
    f.clearItems(hd::Gestell);
    for (const auto& g : data.getMaterialGestellUListe().alle())
        f.addItem(hd::Gestell, g.getName(), g.getObjectId());
    f.select(hd::Gestell, 0);
    f.clearItems(hd::GestellVariante);
    f.addItem(hd::GestellVariante, sprache.GetValue("maindialog", "din", ""), 0);
    f.addItem(hd::GestellVariante, sprache.GetValue("maindialog", "asme", ""), 1);
    f.select(hd::GestellVariante, 0);
    f.clearItems(hd::Druckstufe);
    for (const auto& d : data.getDruckstufeAListe().alle())
        f.addItem(hd::Druckstufe, formatiere("%i", d.getDruck()), d.getObjectId());
    f.select(hd::Druckstufe, 0);

    const auto& typen = data.getPlattentypUListe();
    for (int i = 0; i < typen.getSize(); ++i)
        if (typen.internalGetAt(i)->getZulaessig())
            z.plattentypen[i] = typen.internalGetAt(i)->getObjectId();
    maxReihenfolge = plattentypRegel(f, data);

    medienFuellen(f, hd::MediumWarm, 0, data, sprache);
    medienFuellen(f, hd::MediumKalt, 1, data, sprache);
    spalttypenFuellen(f, data, false, [](int) { return true; });

    namespace eg = einheitengruppe;
    einheitenFuellen(f, hd::EinheitLeistung, data, eg::Leistung, eg::LeistungKW);
    for (int liste :
         {hd::EinheitTEinWarm, hd::EinheitTAusWarm, hd::EinheitTEinKalt, hd::EinheitTAusKalt})
        einheitenFuellen(f, liste, data, eg::Temperatur, eg::TemperaturGradC);
    durchsatzEinheitenFuellen(f, hd::EinheitDurchsatzWarm, data);
    durchsatzEinheitenFuellen(f, hd::EinheitDurchsatzKalt, data);
    for (int liste : {hd::EinheitDruckverlustWarm, hd::EinheitDruckverlustKalt,
                      hd::EinheitGasDruckWarm, hd::EinheitGasDruckKalt})
        einheitenFuellen(f, liste, data, eg::Druck, eg::DruckKPa);
    einheitenFuellen(f, hd::EinheitFoulingWarm, data, eg::Fouling, 0);
    einheitenFuellen(f, hd::EinheitFoulingKalt, data, eg::Fouling, 0);

    fuelleModusListen(f, sprache);
    f.select(hd::PlattentypModus, 0);
    f.select(hd::SpaltenModus, 0);
    f.select(hd::SerienModus, 1);
    return z;
}

void dichtungsRegel(Form& f, const Data& data, bool kondensation, bool werksmodus) {
    std::string vorher = f.selectedText(hd::DichtungWarm);
    f.clearItems(hd::DichtungWarm);
    if (kondensation && !werksmodus) {
        for (const auto& d : data.getDichtungAListe().alle()) {
            if (!d.getAktiv()) continue;
            const std::string& n = d.getName();
            if (n == "EPDM" || n == "EPDM HT" || n == "Viton S")
                f.addItem(hd::DichtungWarm, dichtungText(d), d.getObjectId());
        }
        int pos = f.findExact(hd::DichtungWarm, vorher);
        if (pos < 0) pos = f.findPrefix(hd::DichtungWarm, "EPDM HT");
        f.select(hd::DichtungWarm, pos);
    } else {
        dichtungenFuellen(f, hd::DichtungWarm, data);
        int pos = f.findExact(hd::DichtungWarm, vorher);
        f.select(hd::DichtungWarm, pos < 0 ? 0 : pos);
    }
}

void titanRegel(Form& f, bool nurTitan) {
    if (nurTitan) {
        int pos = f.findPrefix(hd::MaterialPlatte, "Titan");
        if (pos >= 0) f.select(hd::MaterialPlatte, pos);
        f.setEnabled(hd::MaterialPlatte, false);
    } else {
        f.setEnabled(hd::MaterialPlatte, true);
    }
}

int plattentypRegel(Form& f, const Data& data) {
    bool sicherheit = f.checked(hd::Sicherheitsplatte);
    int maxReihenfolge = 0;
    f.clearItems(hd::Plattentyp);
    const auto& listeA = data.getPlattentypAListe();
    for (const auto& u : data.getPlattentypUListe().alle()) {
        if (!u.getZulaessig()) continue;
        const PlattentypA* a = listeA.internalGetForObjectId(u.getObjectId());
        if (!a || (a->getSicherheitsplatte() != 0) != sicherheit) continue;
        f.addItem(hd::Plattentyp, a->getName(), a->getObjectId());
        if (a->getReihenfolge() > maxReihenfolge) maxReihenfolge = a->getReihenfolge();
    }
    f.select(hd::Plattentyp, 0);
    return maxReihenfolge;
}

void spalttypenFuellen(Form& f, const Data& data, bool nachrechnen,
                       const std::function<bool(int)>& zulaessig) {
    std::string t1 = f.selectedText(hd::Spalttyp1);
    std::string t2 = f.selectedText(hd::Spalttyp2);
    f.clearItems(hd::Spalttyp1);
    f.clearItems(hd::Spalttyp2);
    const auto& typen = data.getSpalttypListe();
    for (int i = 0; i < typen.getSize(); ++i) {
        if (nachrechnen && !zulaessig(i)) continue;
        f.addItem(hd::Spalttyp1, typen.internalGetAt(i)->getName(), i);
        f.addItem(hd::Spalttyp2, typen.internalGetAt(i)->getName(), i);
    }
    if (nachrechnen) {
        f.select(hd::Spalttyp1, t1.empty() ? -1 : f.findExact(hd::Spalttyp1, t1));
        f.select(hd::Spalttyp2, t2.empty() ? -1 : f.findExact(hd::Spalttyp2, t2));
    }
}

void eigenesMediumEintrag(Form& f, int liste, const Data& data, const CIniEx& sprache,
                          const std::string* name) {
    ControlState& c = f.control(liste);
    std::string text = sprache.GetValue("combobox", "anderesMedium", "");
    if (name) text += " " + *name;
    int wert = data.getStoffdatenListe().getSize();
    if (!c.items.empty() && c.items.back().value == wert)
        c.items.back().text = text;
    else
        c.items.push_back({text, wert});
    f.select(liste, f.selection(liste));  // notify the view
}

}  // namespace kal::listen
