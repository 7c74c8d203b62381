#include "ui/main/addmedium_model.h"

#include <cfloat>
#include <cmath>
#include <sstream>

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "projekt/projektdatei.h"

namespace kal {

const std::array<int, EG_Anzahl> AddMediumModel::kEdits = {
    am::Viskositaet,      am::ViskositaetWand,      am::Dichte,
    am::Waermekapazitaet, am::Waermeleitfaehigkeit, am::Alfa};
const std::array<int, EG_Anzahl> AddMediumModel::kEinheitenListen = {
    am::EinheitViskositaet,      am::EinheitViskositaetWand,      am::EinheitDichte,
    am::EinheitWaermekapazitaet, am::EinheitWaermeleitfaehigkeit, am::EinheitAlfa};
const std::array<int, EG_Anzahl> AddMediumModel::kGruppen = {einheitengruppe::Viskositaet,
                                                             einheitengruppe::Viskositaet,
                                                             einheitengruppe::Dichte,
                                                             einheitengruppe::Waermekapazitaet,
                                                             einheitengruppe::Waermeleitfaehigkeit,
                                                             einheitengruppe::Waermeuebergang};

namespace {
// The registry value keeps, after an ignored first number, the positions of
// these lists in this order.
const int kRegistryReihenfolge[6] = {am::EinheitDichte,
                                     am::EinheitWaermeleitfaehigkeit,
                                     am::EinheitWaermekapazitaet,
                                     am::EinheitViskositaet,
                                     am::EinheitAlfa,
                                     am::EinheitViskositaetWand};
constexpr Beschriftung kBeschriftungen[] = {
    {am::LabelName, "addmediumdialog", "name"},
    {am::Gas, "addmediumdialog", "gas"},
    {am::LabelViskositaet, "addmediumdialog", "viskositaet"},
    {am::LabelViskositaetWand, "addmediumdialog", "viskositaetwand"},
    {am::LabelDichte, "addmediumdialog", "dichte"},
    {am::LabelWaermekapazitaet, "addmediumdialog", "waermekapazitaet"},
    {am::LabelWaermeleitfaehigkeit, "addmediumdialog", "waermeleitfaehigkeit"},
    {am::LabelAlfa, "addmediumdialog", "alfa"},
    {am::Speichern, "addmediumdialog", "save"},
    {am::Leeren, "addmediumdialog", "clear"},
    {am::Abbrechen, "addmediumdialog", "cancel"},
    {am::LabelHinweis, "addmediumdialog", "hinweisalfa"},
};
// "unit2"/"unit3" are read into a buffer of 49 bytes; longer values count
// as missing.
constexpr size_t kRegistryPuffer = 49;
}  // namespace

AddMediumModel::AddMediumModel(const Data& data, const CIniEx& sprache, Ports ports, int seite,
                               const std::string& titel, const EigenesMedium* vorher)
    : data_(data), sprache_(sprache), ports_(ports), seite_(seite) {
    Form& f = form();
    setCaption(titel);
    input_ = eingabePruefer(sprache_, ports_.messages, meldungsTitel(sprache_, MessageIcon::Error));
    beschriftungenSetzen(f, sprache_, kBeschriftungen);
    f.setVisible(am::VorlageOk, false);
    f.setEnabled(am::VorlageOk, false);
    f.setVisible(am::LabelHinweis, false);
    for (int id : kEdits) f.setText(id, "");
    f.setText(am::Name, "");
    // the name takes no more than its project file field holds
    f.control(am::Name).maxLength = kProjektNamenBreite;

    const auto& gruppen = data_.getEinheitenGruppeListe();
    for (int g = 0; g < EG_Anzahl; ++g) {
        int liste = kEinheitenListen[static_cast<size_t>(g)];
        f.clearItems(liste);
        if (const EinheitenGruppe* gr = gruppen.internalGetAt(kGruppen[static_cast<size_t>(g)]))
            for (int i = 0; i < gr->getAnzahlEinheiten(); ++i)
                f.addItem(liste, gr->getEinheitAt(i)->getName(), i);
        f.select(liste, 0);
    }
    einheitenLesen();

    if (vorher) {
        for (int g = 0; g < EG_Anzahl; ++g) {
            int liste = kEinheitenListen[static_cast<size_t>(g)];
            int pos = vorher->einheiten[static_cast<size_t>(g)];
            f.select(liste, pos);
            if (f.selection(liste) < 0) f.select(liste, 0);  // a unit must stay chosen
            const Einheit* ziel = einheit(g, f.selection(liste));
            double basis = vorher->werte[static_cast<size_t>(g)];
            if (g == EG_Viskositaet || g == EG_ViskositaetWand) {
                const Einheit* mpas = einheit(g, einheitengruppe::ViskositaetMPas);
                basis = mpas ? mpas->umrechnenInBasisEinheit(basis) : basis;
            }
            if (ziel)
                setTextfield(f, kEdits[static_cast<size_t>(g)],
                             ziel->umrechnenInDieseEinheit(basis), 7, 9);
        }
        f.setText(am::Name, vorher->name);
        f.setChecked(am::Gas, vorher->gas);
    }
    f.setFocus(0);
    gasRegel();
}

const Einheit* AddMediumModel::einheit(int groesse, int position) const {
    const EinheitenGruppe* gr =
        data_.getEinheitenGruppeListe().internalGetAt(kGruppen[static_cast<size_t>(groesse)]);
    return gr ? gr->getEinheitAt(position) : nullptr;
}

void AddMediumModel::registryMeldung() const {
    zeigeMeldung(ports_.messages, sprache_, "error", "readregistry",
                 sprache_.GetValue("error", "error", ""));
}

void AddMediumModel::einheitenLesen() {
    if (!ports_.settings) return;
    if (!ports_.settings->openKey()) {
        registryMeldung();
        return;
    }
    auto wert = ports_.settings->readValue(registryName());
    if (!wert || wert->size() >= kRegistryPuffer) return;
    std::stringstream ss(*wert);
    std::string token;
    int nr = 0;
    while (std::getline(ss, token, ',') && nr < 7) {
        if (nr > 0) {
            int pos = textZuInt(token);
            if (pos < 0) pos = 0;
            int liste = kRegistryReihenfolge[nr - 1];
            form().select(liste, pos);
            // a stored position beyond the list would leave the value without unit
            if (form().selection(liste) < 0) form().select(liste, 0);
        }
        ++nr;
    }
}

void AddMediumModel::gasRegel() {
    Form& f = form();
    bool gas = f.checked(am::Gas);
    f.setEnabled(am::Alfa, gas);
    f.setEnabled(am::EinheitAlfa, gas);
    if (!gas) f.setText(am::Alfa, "");
    f.setVisible(am::LabelHinweis, gas);
    ergebnis_.gas = gas;
}

void AddMediumModel::gasGeklickt() { gasRegel(); }

void AddMediumModel::leerenGeklickt() {
    Form& f = form();
    f.setText(am::Name, "");
    for (int id : kEdits) f.setText(id, "");
}

void AddMediumModel::abbrechenGeklickt() { close(2); }

void AddMediumModel::speichernGeklickt() {
    Form& f = form();
    EigenesMedium m;
    m.name = f.text(am::Name);
    m.gas = f.checked(am::Gas);
    for (int g = 0; g < EG_Anzahl; ++g) {
        int liste = kEinheitenListen[static_cast<size_t>(g)];
        int pos = f.selection(liste);
        m.einheiten[static_cast<size_t>(g)] = pos;
        bool leerErlaubt = (g == EG_Alfa) && !m.gas;
        bool leer = false;
        double wert = 0.0;
        // only normal positive numbers describe a medium: zero and denormals
        // are out of range, as is a value that the unit conversion overflows
        const int edit = kEdits[static_cast<size_t>(g)];
        if (!input_.validateEditDouble(f, edit, wert, leerErlaubt, DBL_MIN, DBL_MAX, &leer)) return;
        const Einheit* e = einheit(g, pos);
        double basis = e ? e->umrechnenInBasisEinheit(wert) : wert;
        if (g == EG_Viskositaet || g == EG_ViskositaetWand) {
            const Einheit* mpas = einheit(g, einheitengruppe::ViskositaetMPas);
            basis = mpas ? mpas->umrechnenInDieseEinheit(basis) : basis;
        }
        if (!leer && !(std::isnormal(basis) && basis > 0.0)) {
            input_.melde(f, edit, ZahlAusserhalb);
            return;
        }
        m.werte[static_cast<size_t>(g)] = leer ? 0.0 : basis;
    }
    if (ports_.settings) {
        std::string text = "0";
        for (int liste : kRegistryReihenfolge) text += formatiere(",%i", f.selection(liste));
        if (!ports_.settings->openKey() || !ports_.settings->writeValue(registryName(), text)) {
            registryMeldung();
        }
    }
    m.gespeichert = true;
    m.benutzt = true;
    ergebnis_ = m;
    close(1);
}

void AddMediumModel::ereignis(int id, BindEvent e) {
    if (e != BindEvent::Clicked) return;  // edits and unit lists only feed the form
    switch (id) {
        case am::Gas:
            gasGeklickt();
            break;
        case am::Leeren:
            leerenGeklickt();
            break;
        case am::Speichern:
            speichernGeklickt();
            break;
        case am::Abbrechen:
            abbrechenGeklickt();
            break;
        default:
            break;
    }
}

}  // namespace kal
