#include "addmedium_model.h"

#include <cfloat>
#include <sstream>

#include "format.h"

namespace kal {

const std::array<int, EG_Anzahl> AddMediumModel::kEdits = {Visk, ViskWand, Dichte,
                                                           Cp,   Lambda,   Alfa};
const std::array<int, EG_Anzahl> AddMediumModel::kEinheitenListen = {EhVisk, EhViskWand, EhDichte,
                                                                     EhCp,   EhLambda,   EhAlfa};
const std::array<int, EG_Anzahl> AddMediumModel::kGruppen = {einheitengruppe::Viskositaet,
                                                             einheitengruppe::Viskositaet,
                                                             einheitengruppe::Dichte,
                                                             einheitengruppe::Waermekapazitaet,
                                                             einheitengruppe::Waermeleitfaehigkeit,
                                                             einheitengruppe::Waermeuebergang};

namespace {
// The registry value keeps, after an ignored first number, the positions of
// these lists in this order.
const int kRegistryReihenfolge[6] = {AddMediumModel::EhDichte, AddMediumModel::EhLambda,
                                     AddMediumModel::EhCp,     AddMediumModel::EhVisk,
                                     AddMediumModel::EhAlfa,   AddMediumModel::EhViskWand};
// "unit2"/"unit3" are read into a buffer of 49 bytes; longer values count
// as missing.
constexpr size_t kRegistryPuffer = 49;
}  // namespace

AddMediumModel::AddMediumModel(const Data& data, const CIniEx& sprache, Ports ports, int seite,
                               const std::string& titel, const EigenesMedium* vorher)
    : data_(data), sprache_(sprache), ports_(ports), seite_(seite), input_(ports.messages) {
    Form& f = form();
    setCaption(titel);
    input_.setErrorTitle(titel);
    input_.setErrorMessage(1, sprache_.GetValue("global", "error_empty", ""));
    input_.setErrorMessage(2, sprache_.GetValue("global", "error_notanumber", ""));
    input_.setErrorMessage(3, sprache_.GetValue("global", "error_outofrange", ""));

    f.setText(LblName, sprache_.GetValue("addmediumdialog", "name", ""));
    f.setText(Gas, sprache_.GetValue("addmediumdialog", "gas", ""));
    f.setText(LblVisk, sprache_.GetValue("addmediumdialog", "viskositaet", ""));
    f.setText(LblViskWand, sprache_.GetValue("addmediumdialog", "viskositaetwand", ""));
    f.setText(LblDichte, sprache_.GetValue("addmediumdialog", "dichte", ""));
    f.setText(LblCp, sprache_.GetValue("addmediumdialog", "waermekapazitaet", ""));
    f.setText(LblLambda, sprache_.GetValue("addmediumdialog", "waermeleitfaehigkeit", ""));
    f.setText(LblAlfa, sprache_.GetValue("addmediumdialog", "alfa", ""));
    f.setText(Speichern, sprache_.GetValue("addmediumdialog", "save", ""));
    f.setText(Leeren, sprache_.GetValue("addmediumdialog", "clear", ""));
    f.setText(Abbrechen, sprache_.GetValue("addmediumdialog", "cancel", ""));
    f.setText(Hinweis, sprache_.GetValue("addmediumdialog", "hinweisalfa", ""));
    f.setVisible(VorlageOk, false);
    f.setEnabled(VorlageOk, false);
    f.setVisible(Hinweis, false);
    for (int id : kEdits) f.setText(id, "");
    f.setText(Name, "");

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
        f.setText(Name, vorher->name);
        f.setChecked(Gas, vorher->gas);
    }
    f.setFocus(0);
    gasRegel();
}

const Einheit* AddMediumModel::einheit(int groesse, int position) const {
    const EinheitenGruppe* gr =
        data_.getEinheitenGruppeListe().internalGetAt(kGruppen[static_cast<size_t>(groesse)]);
    return gr ? gr->getEinheitAt(position) : nullptr;
}

void AddMediumModel::einheitenLesen() {
    if (!ports_.settings) return;
    if (!ports_.settings->openKey()) {
        if (ports_.messages)
            ports_.messages->showMessage({sprache_.GetValue("error", "readregistry", ""),
                                          sprache_.GetValue("error", "error", ""), "error",
                                          "readregistry", MessageIcon::Error});
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
    bool gas = f.checked(Gas);
    f.setEnabled(Alfa, gas);
    f.setEnabled(EhAlfa, gas);
    if (!gas) f.setText(Alfa, "");
    f.setVisible(Hinweis, gas);
    ergebnis_.gas = gas;
}

void AddMediumModel::gasGeklickt() { gasRegel(); }

void AddMediumModel::leerenGeklickt() {
    Form& f = form();
    f.setText(Name, "");
    for (int id : kEdits) f.setText(id, "");
}

void AddMediumModel::abbrechenGeklickt() { close(2); }

void AddMediumModel::speichernGeklickt() {
    Form& f = form();
    EigenesMedium m;
    m.name = f.text(Name);
    m.gas = f.checked(Gas);
    for (int g = 0; g < EG_Anzahl; ++g) {
        int liste = kEinheitenListen[static_cast<size_t>(g)];
        int pos = f.selection(liste);
        m.einheiten[static_cast<size_t>(g)] = pos;
        bool leerErlaubt = (g == EG_Alfa) && !m.gas;
        bool leer = false;
        double wert = 0.0;
        if (!input_.validateEditDouble(f, kEdits[static_cast<size_t>(g)], wert, leerErlaubt, 0.0,
                                       DBL_MAX, &leer))
            return;
        const Einheit* e = einheit(g, pos);
        double basis = e ? e->umrechnenInBasisEinheit(wert) : wert;
        if (g == EG_Viskositaet || g == EG_ViskositaetWand) {
            const Einheit* mpas = einheit(g, einheitengruppe::ViskositaetMPas);
            basis = mpas ? mpas->umrechnenInDieseEinheit(basis) : basis;
        }
        m.werte[static_cast<size_t>(g)] = leer ? 0.0 : basis;
    }
    if (ports_.settings) {
        std::string text = formatiere("%i,%i,%i,%i,%i,%i,%i", 0, f.selection(EhDichte),
                                      f.selection(EhLambda), f.selection(EhCp), f.selection(EhVisk),
                                      f.selection(EhAlfa), f.selection(EhViskWand));
        if (!ports_.settings->openKey() || !ports_.settings->writeValue(registryName(), text)) {
            if (ports_.messages)
                ports_.messages->showMessage({sprache_.GetValue("error", "readregistry", ""),
                                              sprache_.GetValue("error", "error", ""), "error",
                                              "readregistry", MessageIcon::Error});
        }
    }
    m.gespeichert = true;
    m.benutzt = true;
    ergebnis_ = m;
    close(1);
}

}  // namespace kal
