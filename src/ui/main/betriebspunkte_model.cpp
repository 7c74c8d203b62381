// Several operating points from the main dialog: its entries acquired as
// "Berechnen" acquires them, as the first point or as a further one, and
// "Berechnen" over all of them.
#include <string>
#include <utility>
#include <vector>

#include "datalib/format.h"
#include "engine/betriebspunkte.h"
#include "engine/kennlinie.h"
#include "ui/main/berechnung_model.h"
#include "ui/main/bericht.h"
#include "ui/main/betriebspunkte_dlg.h"
#include "ui/main/erfassung.h"

namespace kal {

using namespace hd;
using engine::einsetzen;

const std::array<int, kPunktFelder> CBerechnungDlg::kPunktIds = {
    DurchsatzWarm, DurchsatzKalt, TEinWarm,   TAusWarm,         TEinKalt,
    TAusKalt,      Leistung,      Sicherheit, DruckverlustWarm, DruckverlustKalt};
const std::array<int, kPunktFelder> CBerechnungDlg::kPunktEinheiten = {
    EinheitDurchsatzWarm,    EinheitDurchsatzKalt,   EinheitTEinWarm, EinheitTAusWarm,
    EinheitTEinKalt,         EinheitTAusKalt,        EinheitLeistung, LabelProzent,
    EinheitDruckverlustWarm, EinheitDruckverlustKalt};

namespace {
// The messages of one point's acquisition, each naming the point.
class PunktMeldungen : public MessagePort {
public:
    PunktMeldungen(MessagePort* ziel, std::string praefix)
        : ziel_(ziel), praefix_(std::move(praefix)) {}
    void showMessage(const Message& m) override {
        if (!ziel_) return;
        Message k = m;
        k.text = praefix_ + k.text;
        ziel_->showMessage(k);
    }

private:
    MessagePort* ziel_;
    std::string praefix_;
};

std::string punktText(const CIniEx& sprache, int nummer) {
    return einsetzen(sprache.GetValue("betriebspunkte", "punkt", ""), {std::to_string(nummer)});
}
}  // namespace

bool CBerechnungDlg::eingabenErfassen(Falleingaben& e) {
    zustandUebernehmen();
    e = fall_.eingaben;
    // what an earlier run filled in is computed again, as "Berechnen" does;
    // the window keeps showing it
    Form& f = form();
    std::vector<std::pair<int, std::string>> berechnet;
    for (int id : berechnet_) {
        berechnet.emplace_back(id, f.text(id));
        f.setText(id, "");
    }
    Erfassung erfassung(data(), app_.getSprache(), ports_.messages, eingabe_, felder_);
    const bool ok = erfassung.lesen(e);
    for (const auto& [id, text] : berechnet) f.setText(id, text);
    return ok;
}

bool CBerechnungDlg::punktErfassen(const Betriebspunkt& p, int nummer, Falleingaben& e, int* feld) {
    zustandUebernehmen();
    e = fall_.eingaben;
    // the point's entries stand in this window's fields for the reading only
    Form& f = form();
    Betriebspunkt vorher;
    for (size_t i = 0; i < kPunktFelder; ++i) {
        vorher[i] = f.text(kPunktIds[i]);
        f.setText(kPunktIds[i], p[i]);
    }
    const int fokus = f.focus();
    PunktMeldungen meldungen(ports_.messages, punktText(app_.getSprache(), nummer) + ": ");
    InputHelper eingabe = eingabe_;
    eingabe.setMessagePort(&meldungen);
    Erfassung erfassung(data(), app_.getSprache(), &meldungen, eingabe, felder_);
    const bool ok = erfassung.lesen(e);
    if (!ok && feld) *feld = erfassung.letzterFehler().control;
    for (size_t i = 0; i < kPunktFelder; ++i) f.setText(kPunktIds[i], vorher[i]);
    f.setFocus(fokus);
    return ok;
}

bool CBerechnungDlg::punkteErfassen(std::vector<Falleingaben>& punkte) {
    punkte.assign(1, Falleingaben{});
    if (!eingabenErfassen(punkte[0])) return false;
    for (size_t i = 0; i < punkte_.size(); ++i) {
        Falleingaben e;
        if (!punktErfassen(punkte_[i], static_cast<int>(i) + 2, e)) return false;
        punkte.push_back(std::move(e));
    }
    return true;
}

std::optional<engine::Mehrpunktbericht> CBerechnungDlg::betriebspunkteBerechnen(
    const std::vector<Falleingaben>& weitere) {
    std::vector<Falleingaben> punkte;
    if (!punkteErfassen(punkte)) return std::nullopt;
    punkte.insert(punkte.end(), weitere.begin(), weitere.end());
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    return engine::betriebspunkteBerechnen(rechenkontext(), punkte);
}

std::vector<engine::Kennlinie> CBerechnungDlg::kennlinien(const std::vector<Falleingaben>& weitere,
                                                          const Berechnungsergebnis& paket) {
    std::vector<Falleingaben> punkte;
    if (!punkteErfassen(punkte)) return {};
    punkte.insert(punkte.end(), weitere.begin(), weitere.end());
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    return engine::kennlinienBerechnen(rechenkontext(), punkte, paket);
}

void CBerechnungDlg::setWeiterePunkte(std::vector<Betriebspunkt> punkte) {
    if (punkte.size() > kMaxWeiterePunkte) punkte.resize(kMaxWeiterePunkte);
    punkte_ = std::move(punkte);
    ergebnisZuruecksetzen();
    betriebspunkteKnopf();
}

Betriebspunkt CBerechnungDlg::ersterPunkt(bool ohneBerechnete) const {
    Betriebspunkt p;
    for (size_t i = 0; i < kPunktFelder; ++i)
        if (!ohneBerechnete || !berechnet_.count(kPunktIds[i])) p[i] = form().text(kPunktIds[i]);
    return p;
}

void CBerechnungDlg::betriebspunkteKnopf() {
    const CIniEx& s = app_.getSprache();
    form().setText(Betriebspunkte,
                   punkte_.empty() ? s.GetValue("betriebspunkte", "oeffnen", "")
                                   : einsetzen(s.GetValue("betriebspunkte", "oeffnenAnzahl", ""),
                                               {std::to_string(punkte_.size() + 1)}));
}

// "Berechnen" over every point once the first one's entries are read: the
// common pack, its figures at the first point in this window.
bool CBerechnungDlg::mehrpunktRechnen() {
    std::vector<Falleingaben> punkte{fall_.eingaben};
    for (size_t i = 0; i < punkte_.size(); ++i) {
        Falleingaben e;
        int feld = 0;
        if (!punktErfassen(punkte_[i], static_cast<int>(i) + 2, e, &feld)) {
            abgelehnt_ = {static_cast<int>(i) + 1, feld};
            return false;
        }
        punkte.push_back(std::move(e));
    }
    engine::Mehrpunktbericht mb =
        engine::betriebspunkteBerechnen(rechenkontext(), punkte, plattencaches_.get());
    const CIniEx& s = app_.getSprache();
    for (const engine::Meldung& m : mb.meldungen)
        if (ports_.messages) ports_.messages->showMessage(meldungsBox(m, s, data(), punkte[0]));
    if (mb.punkte.empty()) return false;
    engine::Berechnungsbericht b = mb.punkte[0];
    // the completion's choices are the window's, not the engine's
    auto k = std::move(fall_.komplettierung);
    fall_ = std::move(b.fall);
    fall_.komplettierung = std::move(k);
    berichtAnwenden(b, fall_, data(), s, ports_.messages, felder_);
    for (size_t i = 1; i < mb.punkte.size(); ++i)
        for (const engine::Meldung& m : mb.punkte[i].meldungen) {
            Message box = meldungsBox(m, s, data(), mb.punkte[i].fall.eingaben);
            box.text = punktText(s, static_cast<int>(i) + 1) + ": " + box.text;
            if (ports_.messages) ports_.messages->showMessage(box);
        }
    const bool ergebnis = mb.ergebnisVorhanden;
    mehrpunkt_ = std::make_shared<const engine::Mehrpunktbericht>(std::move(mb));
    mehrpunktEingaben_ = std::move(punkte);
    return ergebnis;
}

std::vector<engine::Kennlinie> CBerechnungDlg::kennlinien() {
    if (!ergebnisVorhanden_) return {};
    std::optional<WaitCursorGuard> warten;
    if (ports_.waitCursor) warten.emplace(*ports_.waitCursor);
    if (mehrpunkt_)
        return engine::kennlinienBerechnen(rechenkontext(), mehrpunktEingaben_, *mehrpunkt_, 15,
                                           50.0, 120.0, plattencaches_.get());
    return engine::kennlinienBerechnen(rechenkontext(), {fall_.eingaben}, fall_.ergebnis, 15, 50.0,
                                       120.0, plattencaches_.get());
}

void CBerechnungDlg::betriebspunkteZeigen() {
    if (!ports_.dialogs) return;
    BetriebspunkteDlgModel dlg(*this);
    ports_.dialogs->runDialog(dlg);
}

}  // namespace kal
