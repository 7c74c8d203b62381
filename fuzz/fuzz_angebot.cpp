// The offer path on random user actions. A sample, calculated once, is
// completed in a fresh completion dialog on a copy of its case; the input's
// actions go to it as a script's would, then its menu item opens the
// specification, which takes the rest of the actions and writes the
// spreadsheet text and the tender text into a temporary folder (and, when
// asked, prints its sheet on a recording page).
//
// Input: byte 0 picks the sample (value % 5), Werksmodus (/ 5 odd), the
// German interface (/ 10 odd) and the printed sheet (/ 20 odd). Then
// actions: a kind byte k (low three bits: select, check, text, click,
// command; 0xFF: on to the specification), the control (k & 0x80: its id in
// two bytes, else a byte indexing the dialog's controls) and the value
// (select: an item value in four bytes, or a byte indexing the entries;
// check: a byte; text: a length byte and the bytes, or from 0xF0 on one of
// the texts below).
//
// Whatever the actions, a refused one changes nothing and says nothing, the
// menu, single price, delivery time and identification follow their rules,
// and the specification's checks either pass and write exactly the texts
// the dialog builds or fail with one message and write nothing.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "datalib/format.h"
#include "druck/projektdaten.h"
#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "pruefen.h"
#include "ui/completion/completion_model.h"
#include "ui/main/berechnung_model.h"
#include "ui/spec/spec_model.h"
#include "umgebung.h"

using namespace kal;

namespace {

const char* const kProben[] = {"water_water_design", "glycol_water_rating",
                               "steam_condenser_design", "air_cooler_design", "user_medium_design"};
constexpr size_t kAnzahlProben = std::size(kProben);

// Texts worth typing anywhere: numbers at and beyond the limits, the
// decimal comma, blanks, a RAL number, a line break.
const char* const kTexte[] = {"",      "0",        "0.5",           "1,5",      "-1", "180",
                              "1e308", "7035",     "9999999",       "10000000", "  ", "abc",
                              "250",   "F1 => F3", "DN 50\nflange", "90"};

constexpr uint8_t kZurSpezifikation = 0xFF;

// One environment: the application on its own folder and the sample cases,
// each calculated on first use.
struct Umgebung {
    kaltest::Umgebung u;
    std::map<std::string, std::string> einstellungen;
    std::array<std::unique_ptr<CBerechnungDlg>, kAnzahlProben> hd;

    explicit Umgebung(const kaltest::Start& s) : u(s), einstellungen(u.p.settings.values) {}

    const CBerechnungDlg& berechnet(size_t probe) {
        if (!hd[probe]) {
            hd[probe] = std::make_unique<CBerechnungDlg>(u.app);
            KAL_PRUEFE(hd[probe]->projektLesen(kaltest::distDir() + "/examples/" + kProben[probe] +
                                               ".kal") == 0);
            KAL_PRUEFE(hd[probe]->berechnen());
        }
        return *hd[probe];
    }

    // Every input starts from the same ports.
    void zuruecksetzen() {
        ScriptedPorts& p = u.p;
        p.messages.shown.clear();
        p.dialogs.scripts.clear();
        p.dialogs.run.clear();
        p.printer.auftraege.clear();
        p.clipboard.text.clear();
        p.documents.opened.clear();
        p.files.saveAnswers.clear();
        p.settings.values = einstellungen;
    }
};

Umgebung& umgebung(bool werksmodus, bool deutsch) {
    static std::map<int, std::unique_ptr<Umgebung>> alle;
    auto& e = alle[werksmodus * 2 + deutsch];
    if (!e) {
        kaltest::Start s;
        s.werksmodus = werksmodus;
        if (deutsch) s.sprache = "Deutsch";
        e = std::make_unique<Umgebung>(s);
    }
    return *e;
}

class Leser {
public:
    Leser(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool ende() const { return pos_ >= size_; }
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    int zahl(int bytes) {
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(byte()) << (8 * i);
        return static_cast<int>(v);
    }
    std::string text(size_t laenge) {
        const size_t n = std::min(laenge, size_ - std::min(pos_, size_));
        std::string t(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return t;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// The next action for `f`, or nullopt at the switch to the specification.
std::optional<Benutzeraktion> naechste(Leser& l, const Form& f) {
    const uint8_t k = l.byte();
    if (k == kZurSpezifikation) return std::nullopt;
    Benutzeraktion a;
    a.art = static_cast<Benutzeraktion::Art>((k & 7) % 5);
    const bool roh = (k & 0x80) != 0;
    if (roh) {
        a.id = l.zahl(2);
    } else {
        const uint8_t i = l.byte();
        auto it = f.controls().begin();
        std::advance(it, i % f.controls().size());
        a.id = it->first;
    }
    switch (a.art) {
        case Benutzeraktion::Art::Auswahl:
            if (roh) {
                a.wert = l.zahl(4);
            } else {
                const uint8_t i = l.byte();
                const ControlState* c = f.find(a.id);
                const size_t n = c ? c->items.size() : 0;
                a.wert = i % (n + 1) < n ? c->items[i % (n + 1)].value : -1;
            }
            break;
        case Benutzeraktion::Art::Haken:
            a.haken = (l.byte() & 1) != 0;
            break;
        case Benutzeraktion::Art::Text: {
            const uint8_t n = l.byte();
            a.text = n >= 0xF0 ? kTexte[(n - 0xF0) % std::size(kTexte)] : l.text(n % 48);
            break;
        }
        default:
            break;
    }
    return a;
}

// A fingerprint of everything a user sees of the form (FNV-1a, no allocation).
uint64_t zustand(const Form& f) {
    uint64_t h = 1469598103934665603ull;
    auto mische = [&h](const void* p, size_t n) {
        for (size_t i = 0; i < n; ++i) {
            h ^= static_cast<const unsigned char*>(p)[i];
            h *= 1099511628211ull;
        }
    };
    auto zahl = [&mische](int v) { mische(&v, sizeof v); };
    zahl(f.focus());
    for (const auto& [id, c] : f.controls()) {
        zahl(id);
        mische(c.text.data(), c.text.size());
        zahl(-1);
        mische(c.placeholder.data(), c.placeholder.size());
        zahl(c.selection);
        zahl(c.checked * 4 + c.enabled * 2 + c.visible);
    }
    return h;
}

// Applies `a`; a refused action changes nothing and says nothing.
void anwendenGeprueft(DialogModel& d, const Benutzeraktion& a, const RecordingMessages& m) {
    const uint64_t vorher = zustand(d.form());
    const size_t meldungen = m.shown.size();
    const std::string grund =
        anwenden(d.form(), a, [&d](int id, BindEvent e) { d.ereignis(id, e); });
    if (grund.empty()) return;
    KAL_PRUEFE(zustand(d.form()) == vorher);
    KAL_PRUEFE(m.shown.size() == meldungen);
}

// Every message has a text, and no menu command ended in an exception.
void pruefeMeldungen(const RecordingMessages& m) {
    for (const Message& x : m.shown) {
        KAL_PRUEFE(!x.text.empty());
        KAL_PRUEFE(x.text.rfind("Fehler in ", 0) != 0);
    }
}

// The completion's rules between two actions.
void pruefeKomplettierung(const CAssembly& d, const Komplettierung& k, const Data& data) {
    using namespace kp;
    const Form& f = d.form();
    const bool geprueft = d.anschluesseGeprueft();
    for (int id : {CmdPrintSpec, CmdPrintPlan, CmdKonstruktion, CmdZubehoer})
        KAL_PRUEFE(f.enabled(id) == (geprueft && d.eingabenUebernommen()));
    for (int id : {AnschlussWarm, AnschlussKalt})
        KAL_PRUEFE(f.selection(id) >= -1 && f.selection(id) < f.itemCount(id));
    // a price field out of use shows no price, not even a suggested one
    for (int id : {PreisAnschlussWarm, PreisAnschlussKalt, PreisIsolierung, PreisSpritzschutz,
                   PreisLackierung})
        if (!f.enabled(id)) KAL_PRUEFE(f.find(id)->placeholder.empty());
    KAL_PRUEFE(f.text(Kennung) == k.geraetekennstring);
    if (!k.geraetekennstring.empty()) {
        KAL_PRUEFE(geprueft && !k.sonderanschluesse);
        const auto a = CGeraeteKennstring::zerlegen(data, k.geraetekennstring);
        KAL_PRUEFE(a && *a == d.kennstring().angaben());
    }
    if (!f.text(Lieferzeit).empty()) KAL_PRUEFE(geprueft);
    const std::string einzel = f.text(Einzelpreis);
    if (!einzel.empty() && !d.preiseAufAnfrage()) {
        KAL_PRUEFE(geprueft && d.eingabenUebernommen() && d.einzelpreisVollstaendig());
        double wert = 0;
        KAL_PRUEFE(pruefeDouble(einzel, 0, 1e9, wert) == ZahlOk);
        KAL_PRUEFE(wert == std::round(d.einzelpreis()));
    }
    // the list's choices are the connections while there are no special ones
    if (geprueft && !k.sonderanschluesse) {
        KAL_PRUEFE(k.anschlussTextWarm == f.selectedText(AnschlussWarm));
        KAL_PRUEFE(k.anschlussTextKalt == f.selectedText(AnschlussKalt));
    }
}

// The specification's outputs: both buttons pass or fail the same checks;
// passed, they hand over and write exactly the dialog's texts, failed, they
// say why once and write nothing.
void spezifikation(DialogModel& m, Leser& l, Umgebung& e, bool drucken, const std::string& datei) {
    auto& d = dynamic_cast<DialogSpec&>(m);
    ScriptedPorts& p = e.u.p;
    while (!l.ende())
        if (auto a = naechste(l, d.form())) anwendenGeprueft(d, *a, p.messages);
    std::error_code ec;
    std::filesystem::remove(datei, ec);
    auto knopf = [&](int id) {
        const size_t vorher = p.messages.shown.size();
        anwendenGeprueft(d, {id, Benutzeraktion::Art::Klick, 0, false, {}}, p.messages);
        return p.messages.shown.size() - vorher;
    };
    const size_t excel = knopf(sp::Excel);
    const bool bestanden = !p.documents.opened.empty();
    // one message either way: where the text went, or why it did not
    KAL_PRUEFE(excel == 1u);
    if (bestanden) KAL_PRUEFE(p.messages.shown.back().key == "tabelleGeoeffnet");
    if (bestanden) KAL_PRUEFE(p.clipboard.text == d.tabellenText());
    p.files.saveAnswers = {datei};
    KAL_PRUEFE(knopf(sp::Ausschreibung) == (bestanden ? 0u : 1u));
    KAL_PRUEFE(std::filesystem::exists(datei) == bestanden);
    if (bestanden) {
        const std::string text = kaltest::liesDatei(datei);
        KAL_PRUEFE(text == alsWindows1252(d.ausschreibungText()));
    }
    if (!drucken) return;
    p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& k) {
        k.ereignis(pd::Vorschau, BindEvent::Clicked);
        return k.result();
    });
    const size_t auftraege = p.printer.auftraege.size();
    KAL_PRUEFE(knopf(sp::Drucken) == (bestanden ? 0u : 1u));
    if (bestanden) {
        KAL_PRUEFE(p.printer.auftraege.size() == auftraege + 1);
        KAL_PRUEFE(p.printer.auftraege.back().log.back() == "endDocument");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const uint8_t wahl = data[0];
    Umgebung& e = umgebung((wahl / 5) % 2 == 1, (wahl / 10) % 2 == 1);
    const bool drucken = (wahl / 20) % 2 == 1;
    const CBerechnungDlg& hd = e.berechnet(wahl % kAnzahlProben);
    e.zuruecksetzen();
    ScriptedPorts& p = e.u.p;
    const std::string datei = e.u.dir.pfad("tender.txt");

    Berechnungsfall fall = hd.fall();
    CAssembly dlg(e.u.app, fall, fall.komplettierung, &hd.eigeneMedien());
    Leser l(data + 1, size - 1);
    bool spezGeoeffnet = false;
    p.dialogs.scripts["DialogSpec"].push_back([&](DialogModel& m) {
        spezGeoeffnet = true;
        spezifikation(m, l, e, drucken, datei);
        return 2;
    });
    pruefeKomplettierung(dlg, fall.komplettierung, e.u.app.getData());
    while (!l.ende()) {
        const std::optional<Benutzeraktion> a = naechste(l, dlg.form());
        if (!a) break;
        // the other printouts as the project data's preview
        if (a->art == Benutzeraktion::Art::Befehl)
            p.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& k) {
                k.ereignis(pd::Vorschau, BindEvent::Clicked);
                return k.result();
            });
        anwendenGeprueft(dlg, *a, p.messages);
        pruefeKomplettierung(dlg, fall.komplettierung, e.u.app.getData());
        if (spezGeoeffnet) break;
    }
    // on to the specification as the command line does: it opens exactly
    // when the menu item is enabled and the commit before it succeeds
    if (!spezGeoeffnet) {
        const bool menu = dlg.form().enabled(kp::CmdPrintSpec);
        anwendenGeprueft(dlg, {kp::CmdPrintSpec, Benutzeraktion::Art::Befehl, 0, false, {}},
                         p.messages);
        KAL_PRUEFE(spezGeoeffnet == (menu && dlg.letzteUebernahmeGelungen()));
    }
    pruefeMeldungen(p.messages);
    p.dialogs.scripts.clear();  // nothing may outlive this input
    return 0;
}
