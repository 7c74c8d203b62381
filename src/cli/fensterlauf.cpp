#include "cli/fensterlauf.h"

#include "angebot/angebotsfenster.h"
#include "engine/kennlinie.h"
#include "ids/dialog_ids.h"
#include "ui/main/betriebspunkte_dlg.h"

namespace kal::cli {

namespace {

// The operating points window as the user sees it: the table with its
// heads, the selected point, the buttons' states and the figures of each
// point, the binding one marked.
Json betriebspunkteJson(const BetriebspunkteDlgModel& m) {
    const Form& f = m.form();
    Json tabelle = Json::array();
    for (int p = 0; p < m.punkte(); ++p) {
        Json zeile = Json::array();
        for (int i = 0; i < kPunktFelder; ++i) zeile.push_back(f.text(bp::zelle(p, i)));
        tabelle.push_back(std::move(zeile));
    }
    Json ergebnis = Json::array();
    for (const auto& z : m.ergebnisZeilen()) {
        Json e{{"zellen", z.zellen}, {"bindend", z.bindend}};
        if (z.bindendeSpalte >= 0) e["bindendeSpalte"] = z.bindendeSpalte;
        ergebnis.push_back(std::move(e));
    }
    Json aktiv = Json::object();
    for (int id : {bp::Hinzufuegen, bp::Entfernen, bp::Berechnen})
        aktiv[std::to_string(id)] = f.enabled(id);
    Json kurve = Json::array();
    if (const engine::Kennlinie* k = m.kennlinie())
        for (const engine::Kennlinienpunkt& p : k->werte)
            kurve.push_back(Json{{"anteil", p.anteil},
                                 {"gueltig", p.gueltig},
                                 {"leistung", p.leistung},
                                 {"austrittWarm", p.austrittWarm},
                                 {"austrittKalt", p.austrittKalt},
                                 {"dpWarm", p.dpWarm},
                                 {"dpKalt", p.dpKalt}});
    return Json{{"caption", m.caption()},
                {"spalten", m.spaltenKoepfe()},
                {"punkte", tabelle},
                {"gewaehlt", m.gewaehlt()},
                {"aktiv", aktiv},
                {"ergebnisSpalten", m.ergebnisKoepfe()},
                {"ergebnis", ergebnis},
                {"bindend", f.text(bp::Bindend)},
                {"status", f.text(bp::Status)},
                {"kennlinie", kurve}};
}

// The quotation window as the user sees it: every control's text (a
// list's selected row), visibility and state, the positions table row by
// row, the totals and the file.
Json angebotsfensterJson(const AngebotsfensterModel& m) {
    const Form& f = m.form();
    Json anzeige = Json::object(), sichtbar = Json::object(), aktiv = Json::object();
    for (const auto& [id, c] : f.controls()) {
        const std::string k = std::to_string(id);
        anzeige[k] = c.items.empty() ? c.text : f.selectedText(id);
        sichtbar[k] = c.visible;
        aktiv[k] = c.enabled;
    }
    Json zeilen = Json::array();
    for (const Angebotszeile& z : m.zeilen())
        zeilen.push_back(Json{{"pos", z.pos},
                              {"menge", z.menge},
                              {"beschreibung", z.beschreibung},
                              {"kennung", z.kennung},
                              {"einzelpreis", z.einzelpreis},
                              {"gesamt", z.gesamt},
                              {"markierung", z.markierung}});
    return Json{
        {"caption", m.caption()}, {"datei", m.pfad()},        {"spalten", m.spaltenKoepfe()},
        {"zeilen", zeilen},       {"gewaehlt", m.gewaehlt()}, {"summen", f.text(ag::Summen)},
        {"anzeige", anzeige},     {"sichtbar", sichtbar},     {"aktiv", aktiv}};
}

}  // namespace

bool antwortenEntnehmen(Args& args, Antworten& a, std::string& fehler) {
    Args rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& o = args[i];
        if (o != "--answer" && o != "--reply") {
            rest.push_back(o);
            continue;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            fehler = o + " takes a value";
            return false;
        }
        const std::string& w = args[++i];
        if (o == "--answer") {
            a.dateien.push_back(vomStart(w));
        } else if (w == "yes" || w == "no" || w == "cancel") {
            a.fragen.push_back(w == "yes" ? Answer::Yes : w == "no" ? Answer::No : Answer::Cancel);
        } else {
            fehler = "--reply takes yes, no or cancel, not \"" + w + "\"";
            return false;
        }
    }
    args = std::move(rest);
    return true;
}

void antwortenGeben(Sitzung& s, const Antworten& a) {
    s.scripted.files.answers.assign(a.dateien.begin(), a.dateien.end());
    s.scripted.questions.answers.assign(a.fragen.begin(), a.fragen.end());
}

Aktionslauf aktionenAnwenden(Sitzung& s, const std::vector<Benutzeraktion>& aktionen) {
    Aktionslauf lauf;
    size_t naechste = 0;
    auto anwendenAuf = [&](DialogModel& m) {
        std::string grund = anwenden(m.form(), aktionen[naechste++],
                                     [&m](int id, BindEvent e) { m.ereignis(id, e); });
        if (grund.empty()) return;
        s.meldungen.showMessage(Message{"action refused: " + grund, "", "cli", "aktion"});
        lauf.abgelehnt = true;
        naechste = aktionen.size();
    };
    // A window's script: the actions until it is closed, then what it shows.
    auto fenster = [&](auto zeigen) {
        return [&, zeigen](DialogModel& m) {
            while (naechste < aktionen.size() && !m.closed()) anwendenAuf(m);
            zeigen(m);
            return m.closed() ? m.result() : 1;
        };
    };
    auto& skripte = s.scripted.dialogs.scripts;
    for (const Benutzeraktion& a : aktionen) {
        if (a.id == hd::Betriebspunkte)
            skripte["BetriebspunkteDlg"].push_back(fenster([&lauf](DialogModel& m) {
                lauf.betriebspunkte = betriebspunkteJson(dynamic_cast<BetriebspunkteDlgModel&>(m));
            }));
        if (a.id == hd::CmdAngebot)
            skripte["DialogAngebot"].push_back(fenster([&lauf](DialogModel& m) {
                auto& f = dynamic_cast<AngebotsfensterModel&>(m);
                lauf.angebot = angebotsfensterJson(f);
                lauf.angebotsmappe = f.angebot().mappe();
                lauf.angebotsdatei = f.pfad();
            }));
    }
    while (naechste < aktionen.size()) anwendenAuf(*s.dlg);
    // scripts of actions never reached open nothing later
    skripte.erase("BetriebspunkteDlg");
    skripte.erase("DialogAngebot");
    return lauf;
}

}  // namespace kal::cli
