#include "ui/main/betriebspunkte_dlg.h"

#include <algorithm>
#include <cmath>

#include "datalib/format.h"
#include "engine/betriebspunkte.h"
#include "engine/kennlinie.h"
#include "ui/main/berechnung_model.h"

namespace kal {

using namespace engine;

namespace {
const char* const kSpalten[kPunktFelder] = {
    "spalteDurchsatzWarm", "spalteDurchsatzKalt", "spalteTEinWarm", "spalteTAusWarm",
    "spalteTEinKalt",      "spalteTAusKalt",      "spalteLeistung", "spalteSicherheit",
    "spalteDpWarm",        "spalteDpKalt"};
const char* const kErgebnisKoepfe[BetriebspunkteDlgModel::kErgebnisspalten] = {
    "ergPunkt",      "ergReserve",      "ergDpWarm",       "ergDpKalt", "ergVSpaltWarm",
    "ergVSpaltKalt", "ergVStutzenWarm", "ergVStutzenKalt", "ergEngste"};
constexpr int kZeilen = static_cast<int>(kMaxWeiterePunkte) + 1;

std::string text(const CIniEx& s, const char* key) { return s.GetValue("betriebspunkte", key, ""); }

// The control of a table entry: its point and column; false for any other.
bool zelleVon(int id, int& punkt, int& feld) {
    const int n = id - bp::Zelle0;
    if (n < 0 || n >= kZeilen * bp::kZeilenabstand || n % bp::kZeilenabstand >= kPunktFelder)
        return false;
    punkt = n / bp::kZeilenabstand;
    feld = n % bp::kZeilenabstand;
    return true;
}

// The result column a limit's figure stands in; -1 none.
int spalteVon(Grenze g) {
    using M = BetriebspunkteDlgModel;
    switch (g) {
        case Grenze::Flaechenreserve:
            return M::EReserve;
        case Grenze::DruckverlustWarm:
            return M::EDpWarm;
        case Grenze::DruckverlustKalt:
            return M::EDpKalt;
        case Grenze::VSpaltMinWarm:
        case Grenze::VSpaltMaxWarm:
            return M::EVSpaltWarm;
        case Grenze::VSpaltMinKalt:
        case Grenze::VSpaltMaxKalt:
            return M::EVSpaltKalt;
        case Grenze::VStutzenWarm:
            return M::EVStutzenWarm;
        case Grenze::VStutzenKalt:
            return M::EVStutzenKalt;
        default:
            return -1;
    }
}
}  // namespace

BetriebspunkteDlgModel::BetriebspunkteDlgModel(CBerechnungDlg& hd) : hd_(hd) {
    const CIniEx& s = hd_.app().getSprache();
    setCaption(text(s, "title"));
    Form& f = form();
    f.setText(bp::LabelPunkte, text(s, "punkteTitel"));
    f.setText(bp::Hinzufuegen, text(s, "hinzufuegen"));
    f.setText(bp::Entfernen, text(s, "entfernen"));
    f.setText(bp::Berechnen, s.GetValue("buttons", "start", ""));
    f.setText(bp::Schliessen, text(s, "schliessen"));
    f.setText(bp::LabelErgebnis, text(s, "ergebnisTitel"));
    f.setKind(ControlKind::Label, {bp::LabelPunkte, bp::LabelErgebnis, bp::Status, bp::Bindend});
    f.setKind(ControlKind::Button, {bp::Hinzufuegen, bp::Entfernen, bp::Berechnen, bp::Schliessen});
    f.setKind(ControlKind::List, {bp::Punkt});
    for (int p = 0; p < kZeilen; ++p)
        for (int i = 0; i < kPunktFelder; ++i) {
            f.setKind(ControlKind::Edit, {bp::zelle(p, i)});
            f.control(bp::zelle(p, i)).maxLength = static_cast<int>(kPunktMaxText);
        }
    aktualisieren();
    waehlen(0);
}

BetriebspunkteDlgModel::~BetriebspunkteDlgModel() = default;

int BetriebspunkteDlgModel::punkte() const {
    return static_cast<int>(hd_.weiterePunkte().size()) + 1;
}

void BetriebspunkteDlgModel::waehlen(int punkt) {
    Form& f = form();
    f.select(bp::Punkt, punkt >= 0 && punkt < punkte() ? punkt : 0);
    f.setEnabled(bp::Entfernen, gewaehlt() > 0);
    f.setEnabled(bp::Hinzufuegen, punkte() < kZeilen);
}

void BetriebspunkteDlgModel::aktualisieren() {
    Form& f = form();
    const CIniEx& s = hd_.app().getSprache();
    const Form& h = hd_.form();
    const int vorher = gewaehlt();
    f.clearItems(bp::Punkt);
    for (int p = 0; p < punkte(); ++p)
        f.addItem(bp::Punkt, einsetzen(text(s, "punkt"), {std::to_string(p + 1)}), p);
    const Betriebspunkt erster = hd_.ersterPunkt(false);
    for (int p = 0; p < kZeilen; ++p)
        for (int i = 0; i < kPunktFelder; ++i) {
            const int id = bp::zelle(p, i);
            const int hid = CBerechnungDlg::kPunktIds[static_cast<size_t>(i)];
            const ControlState* c = h.find(hid);
            // a column the main dialog locks (a condensing side's outlet) is
            // locked for every point
            const bool frei = c && c->enabled && c->visible && !c->readOnly;
            const bool da = p < punkte();
            f.setVisible(id, da);
            f.setEnabled(id, da && frei);
            if (!da) {
                f.setText(id, "");
                continue;
            }
            f.setText(
                id, p == 0
                        ? erster[static_cast<size_t>(i)]
                        : hd_.weiterePunkte()[static_cast<size_t>(p - 1)][static_cast<size_t>(i)]);
            f.setEmphasis(id, p == 0 ? h.emphasis(hid) : Emphasis::None);
        }
    waehlen(vorher);
    ergebnisSetzen();
}

std::vector<std::string> BetriebspunkteDlgModel::spaltenKoepfe() const {
    const CIniEx& s = hd_.app().getSprache();
    const Form& h = hd_.form();
    std::vector<std::string> k;
    for (int i = 0; i < kPunktFelder; ++i) {
        const int einheit = CBerechnungDlg::kPunktEinheiten[static_cast<size_t>(i)];
        const ControlState* c = h.find(einheit);
        const std::string name = c && !c->items.empty() ? h.selectedText(einheit) : h.text(einheit);
        k.push_back(einsetzen(text(s, kSpalten[i]), {name}));
    }
    return k;
}

void BetriebspunkteDlgModel::geklickt(int id) {
    std::vector<Betriebspunkt> weitere = hd_.weiterePunkte();
    switch (id) {
        case bp::Hinzufuegen: {
            if (punkte() >= kZeilen) return;
            const int g = gewaehlt();
            weitere.push_back(g <= 0 ? hd_.ersterPunkt(true) : weitere[static_cast<size_t>(g - 1)]);
            hd_.setWeiterePunkte(std::move(weitere));
            aktualisieren();
            waehlen(punkte() - 1);
            return;
        }
        case bp::Entfernen: {
            const int g = gewaehlt();
            if (g <= 0) return;
            weitere.erase(weitere.begin() + (g - 1));
            hd_.setWeiterePunkte(std::move(weitere));
            aktualisieren();
            waehlen(g - 1);
            return;
        }
        case bp::Berechnen: {
            kennlinien_.clear();
            hd_.berechnen();
            aktualisieren();
            // the refused entry of a further point: its cell
            const auto [punkt, feld] = hd_.abgelehnterPunkt();
            if (punkt > 0) {
                waehlen(punkt);
                for (int i = 0; i < kPunktFelder; ++i)
                    if (CBerechnungDlg::kPunktIds[static_cast<size_t>(i)] == feld)
                        form().setFocus(bp::zelle(punkt, i));
            }
            return;
        }
        case bp::Schliessen:
            close(1);
            return;
        default:
            return;
    }
}

void BetriebspunkteDlgModel::auswahlGeaendert(int id) {
    if (id == bp::Punkt) waehlen(gewaehlt());
}

void BetriebspunkteDlgModel::textGeaendert(int id) {
    int p = 0, i = 0;
    if (!zelleVon(id, p, i) || p >= punkte()) return;
    Form& f = form();
    // the main dialog's decimal comma, and the same C format in the project
    std::string t = einzeilig(f.text(id));
    if (hd_.dezimalKomma()) std::replace(t.begin(), t.end(), ',', '.');
    if (t != f.text(id)) f.setText(id, t);
    const int hid = CBerechnungDlg::kPunktIds[static_cast<size_t>(i)];
    if (p == 0) {
        // the first point is the main dialog's entry: its own rules run
        hd_.form().setText(hid, t);
        hd_.ereignis(hid, BindEvent::Changed);
    } else {
        std::vector<Betriebspunkt> weitere = hd_.weiterePunkte();
        weitere[static_cast<size_t>(p - 1)][static_cast<size_t>(i)] = t;
        hd_.setWeiterePunkte(std::move(weitere));
    }
    ergebnisSetzen();
}

void BetriebspunkteDlgModel::fokusVerloren(int id) {
    int p = 0, i = 0;
    if (!zelleVon(id, p, i) || p >= punkte()) return;
    // what is no number at all is said at once; ranges and the balance are
    // checked by "Berechnen" as for the main dialog's entries
    double wert = 0.0;
    const std::string t = form().text(id);
    if (t.empty() || pruefeDouble(t, -HUGE_VAL, HUGE_VAL, wert) == ZahlOk) return;
    InputHelper eingabe = hd_.eingabe();
    const std::vector<std::string> koepfe = spaltenKoepfe();
    const CIniEx& s = hd_.app().getSprache();
    eingabe.setFeldnamen([&](int) {
        return einsetzen(text(s, "punkt"), {std::to_string(p + 1)}) + ", " +
               koepfe[static_cast<size_t>(i)];
    });
    eingabe.melde(form(), id, ZahlKeineZahl);
    waehlen(p);
}

std::vector<std::string> BetriebspunkteDlgModel::ergebnisKoepfe() const {
    const CIniEx& s = hd_.app().getSprache();
    const Mehrpunktbericht* b = hd_.mehrpunktbericht();
    const Anzeigeeinheiten u =
        b && !b->punkte.empty() ? anzeigeeinheiten(hd_.app().getData(), b->punkte[0].fall.eingaben)
                                : Anzeigeeinheiten{};
    std::vector<std::string> k;
    for (const char* key : kErgebnisKoepfe) k.push_back(text(s, key));
    k[EDpWarm] = einsetzen(k[EDpWarm], {u.name(Grenze::DruckverlustWarm)});
    k[EDpKalt] = einsetzen(k[EDpKalt], {u.name(Grenze::DruckverlustKalt)});
    for (int e : {EVSpaltWarm, EVSpaltKalt, EVStutzenWarm, EVStutzenKalt})
        k[static_cast<size_t>(e)] =
            einsetzen(k[static_cast<size_t>(e)], {u.name(Grenze::VStutzenWarm)});
    return k;
}

std::vector<BetriebspunkteDlgModel::Ergebniszeile> BetriebspunkteDlgModel::ergebnisZeilen() const {
    std::vector<Ergebniszeile> zeilen;
    const Mehrpunktbericht* b = hd_.mehrpunktbericht();
    if (!b || !b->ergebnisVorhanden) return zeilen;
    const CIniEx& s = hd_.app().getSprache();
    for (size_t p = 0; p < b->punkte.size() && p < b->grenzen.size(); ++p) {
        const Paketgrenzen& g = b->grenzen[p];
        const Anzeigeeinheiten u =
            anzeigeeinheiten(hd_.app().getData(), b->punkte[p].fall.eingaben);
        auto zahl = [&](Grenze x) {
            return formatiere("%.2f", u.zahl(x, g[static_cast<size_t>(x)].wert));
        };
        Ergebniszeile z;
        z.zellen.resize(kErgebnisspalten);
        z.zellen[EPunkt] = std::to_string(p + 1);
        z.zellen[EReserve] =
            formatiere("%.1f", g[static_cast<size_t>(Grenze::Flaechenreserve)].wert);
        z.zellen[EDpWarm] = zahl(Grenze::DruckverlustWarm);
        z.zellen[EDpKalt] = zahl(Grenze::DruckverlustKalt);
        z.zellen[EVSpaltWarm] = zahl(Grenze::VSpaltMinWarm) + " – " + zahl(Grenze::VSpaltMaxWarm);
        z.zellen[EVSpaltKalt] = zahl(Grenze::VSpaltMinKalt) + " – " + zahl(Grenze::VSpaltMaxKalt);
        z.zellen[EVStutzenWarm] = zahl(Grenze::VStutzenWarm);
        z.zellen[EVStutzenKalt] = zahl(Grenze::VStutzenKalt);
        // the point's own tightest limit; the binding one over all points named so
        const Paketgrenze* engste = &g[0];
        for (const Paketgrenze& x : g)
            if (x.abstand < engste->abstand) engste = &x;
        z.zellen[EEngste] =
            grenzText(s, engste->grenze) + formatiere(" (%.1f %%)", 100.0 * engste->abstand);
        if (b->bindend && b->bindend->punkt == static_cast<int>(p)) {
            z.bindend = true;
            z.bindendeSpalte = spalteVon(b->bindend->grenze.grenze);
            z.zellen[EEngste] = text(s, "bindendMarke") + ": " + z.zellen[EEngste];
        }
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

const Kennlinie* BetriebspunkteDlgModel::kennlinie() const {
    for (const Kennlinie& k : kennlinien_)
        if (k.punkt == gewaehlt()) return &k;
    return nullptr;
}

std::string BetriebspunkteDlgModel::fenstertext(const char* key) const {
    return text(hd_.app().getSprache(), key);
}

void BetriebspunkteDlgModel::ergebnisSetzen() {
    // the curves belong to the result shown: computed once per result
    if (!hd_.getErgebnisVorhanden())
        kennlinien_.clear();
    else if (kennlinien_.empty())
        kennlinien_ = hd_.kennlinien();
    Form& f = form();
    const CIniEx& s = hd_.app().getSprache();
    const Mehrpunktbericht* b = hd_.mehrpunktbericht();
    f.setText(bp::Status, b || hd_.getErgebnisVorhanden() ? hd_.form().text(hd::Statuszeile)
                                                          : text(s, "keinErgebnis"));
    std::string bindend;
    if (b && b->ergebnisVorhanden && b->bindend) {
        const Paketgrenze& g = b->bindend->grenze;
        bindend = einsetzen(text(s, "bindend"),
                            {std::to_string(b->bindend->punkt + 1), grenzText(s, g.grenze)}) +
                  formatiere(" (%.1f %%)", 100.0 * g.abstand);
    }
    f.setText(bp::Bindend, bindend);
}

}  // namespace kal
