// offer: the completion dialog without a screen. Opens a project,
// calculates it, opens the completion model on the result, applies the
// user actions of a choices file through the model's own handlers and
// prints the dialog as the user would see it. With --spec or --out it goes
// on to the data sheet dialog the way a user does: its menu item, the
// actions of the --spec file, then the spreadsheet and tender-text buttons
// and, with --pdf, its print button.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/ausdrucke.h"
#include "cli/commands.h"
#include "cli/sitzung.h"
#include "datalib/dialoghilfe.h"
#include "ids/dialog_ids.h"
#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/spec/spec_model.h"

namespace kal::cli {

namespace {

Json komplettierungJson(const Komplettierung& k) {
    return Json{{"geraetekennstring", k.geraetekennstring},
                {"sonderlackierung", k.sonderlackierung},
                {"waermeisolierung", k.waermeisolierung},
                {"spritzschutz", k.spritzschutz},
                {"ralNr", k.ralNr},
                {"sonderanschluesse", k.sonderanschluesse},
                {"anschlussTextWarm", k.anschlussTextWarm},
                {"anschlussTextKalt", k.anschlussTextKalt},
                {"belegungMediumWarm", k.belegungMediumWarm},
                {"belegungMediumKalt", k.belegungMediumKalt},
                {"belegungEntleerungWarm", k.belegungEntleerungWarm},
                {"belegungEntleerungKalt", k.belegungEntleerungKalt},
                {"entleerungVarianteWarm", k.entleerungVarianteWarm},
                {"entleerungVarianteKalt", k.entleerungVarianteKalt},
                {"entleerungTextWarm", k.entleerungTextWarm},
                {"entleerungTextKalt", k.entleerungTextKalt},
                {"nennweiteTextWarm", k.nennweiteTextWarm},
                {"nennweiteTextKalt", k.nennweiteTextKalt}};
}

// The dialog as the user sees it: lists, texts, visibility, check and
// enabled states, menu.
Json dialogJson(const CAssembly& d) {
    const Form& f = d.form();
    Json listen = Json::object(), anzeige = Json::object(), sichtbar = Json::object(),
         aktiv = Json::object(), markiert = Json::object(), menu = Json::object();
    for (int id : {kp::AnschlussWarm, kp::AnschlussKalt, kp::DokuSprache}) {
        Json a = Json::array();
        if (const ControlState* c = f.find(id))
            for (const ListEntry& e : c->items)
                a.push_back(Json{{"text", e.text}, {"value", e.value}});
        listen[std::to_string(id)] = a;
    }
    std::vector<int> befehle;
    for (const MenuPopup& p : d.menu())
        befehle.insert(befehle.end(), p.befehle.begin(), p.befehle.end());
    for (const auto& [id, c] : f.controls()) {
        const std::string k = std::to_string(id);
        if (std::find(befehle.begin(), befehle.end(), id) != befehle.end()) {
            menu[k] = c.enabled;
            continue;
        }
        anzeige[k] = c.items.empty() ? c.text : f.selectedText(id);
        sichtbar[k] = c.visible;
        aktiv[k] = c.enabled;
        if (c.checked) markiert[k] = true;
    }
    return Json{{"listen", listen}, {"anzeige", anzeige},   {"sichtbar", sichtbar},
                {"aktiv", aktiv},   {"markiert", markiert}, {"menu", menu}};
}

// A list of user actions from a file; nullopt after saying why.
std::optional<std::vector<Benutzeraktion>> aktionenAus(const std::string& pfad) {
    std::string fehler;
    auto gelesen = aktionenDatei(pfad, fehler);
    if (!gelesen) std::fprintf(stderr, "%s: %s\n", pfad.c_str(), fehler.c_str());
    return gelesen;
}

// What the data sheet dialog showed and wrote.
struct SpezLauf {
    bool geoeffnet = false;
    bool abgelehnt = false;    // an action on the data sheet was refused
    bool geschrieben = false;  // both files (and the sheet's PDF when asked), after the checks
    Json anzeige = Json::object(), sichtbar = Json::object();
};

// Runs the data sheet dialog as a user would once it opens: the typed
// entries, then (with `ordner`) the spreadsheet button, whose clipboard text
// becomes spec-sheet.txt, the tender-text button saving tender.txt and,
// with `pdf`, the print button writing spec-sheet.pdf through the project
// data's "save as PDF". Each output counts only when the dialog made it.
void spezifikationSkript(Sitzung& s, const std::vector<Benutzeraktion>& aktionen,
                         Ausgabeordner* ordner, bool pdf, SpezLauf& lauf) {
    s.scripted.dialogs.scripts["DialogSpec"].push_back([&s, &aktionen, ordner, pdf,
                                                        &lauf](DialogModel& m) {
        lauf.geoeffnet = true;
        auto& spez = dynamic_cast<DialogSpec&>(m);
        Form& f = m.form();
        auto ziel = [&m](int id, BindEvent e) { m.ereignis(id, e); };
        auto klick = [&](int id) {
            anwenden(f, {id, Benutzeraktion::Art::Klick, 0, false, {}}, ziel);
            return spez.letzteAusgabeGelungen();
        };
        for (const Benutzeraktion& a : aktionen) {
            std::string grund = anwenden(f, a, ziel);
            if (!grund.empty()) {
                s.meldungen.showMessage(Message{"action refused: " + grund, "", "cli", "aktion"});
                lauf.abgelehnt = true;
                break;
            }
        }
        const CIniEx& sprache = s.app->getSprache();
        // the entry checks run first; a failed one writes nothing
        if (!lauf.abgelehnt && ordner && klick(sp::Excel) &&
            ordner->schreiben("spec-sheet.txt", s.scripted.clipboard.text, s.meldungen, sprache)) {
            std::string grund;
            const auto tender = ordner->datei("tender.txt", grund);
            if (!tender) schreibfehlerMelden(&s.meldungen, sprache, ordner->pfad(), grund);
            s.scripted.files.saveAnswers = {tender.value_or("")};
            bool ok = tender && klick(sp::Ausschreibung);
            if (ok) ordner->geschrieben(*tender);
            if (ok && pdf) {
                s.scripted.printer.geraet = [ordner](const std::string& titel,
                                                     const PrintPort::Zeichnung& z) {
                    return ordner->pdfGeraet("spec-sheet.pdf", titel, z);
                };
                s.scripted.dialogs.scripts["CDialogProjektDaten"].push_back([](DialogModel& d) {
                    d.ereignis(pd::AlsPdf, BindEvent::Clicked);
                    return d.result();
                });
                ok = klick(sp::Drucken);
                s.scripted.printer.geraet = nullptr;
            }
            lauf.geschrieben = ok;
        }
        for (const auto& [id, c] : f.controls()) {
            lauf.anzeige[std::to_string(id)] = c.text;
            lauf.sichtbar[std::to_string(id)] = c.visible;
        }
        return 2;
    });
}

void textAusgeben(const CAssembly& d, const std::vector<Message>& meldungen) {
    const Form& f = d.form();
    for (int id : {kp::AnschlussWarm, kp::AnschlussKalt}) {
        const ControlState* c = f.find(id);
        std::printf(
            "%s: %s\n",
            f.text(id == kp::AnschlussWarm ? kp::LabelAnschlussWarm : kp::LabelAnschlussKalt)
                .c_str(),
            f.selectedText(id).c_str());
        if (c)
            for (const ListEntry& e : c->items) std::printf("  %6d  %s\n", e.value, e.text.c_str());
    }
    auto zeile = [&](int label, int wert) {
        std::printf("%s: %s\n", f.text(label).c_str(), f.text(wert).c_str());
    };
    std::printf("%s: %s / %s, %s / %s\n", f.text(kp::RahmenBelegung).c_str(),
                f.text(kp::BelegungMediumWarm).c_str(), f.text(kp::BelegungMediumKalt).c_str(),
                f.text(kp::BelegungEntleerungWarm).c_str(),
                f.text(kp::BelegungEntleerungKalt).c_str());
    zeile(kp::LabelPreisPaket, kp::NettoPaket);
    zeile(kp::LabelPreisGestell, kp::NettoGestell);
    zeile(kp::LabelGrundpreis, kp::Grundpreis);
    zeile(kp::LabelAnschlussWarm, kp::PreisAnschlussWarm);
    zeile(kp::LabelAnschlussKalt, kp::PreisAnschlussKalt);
    zeile(kp::Isolierung, kp::PreisIsolierung);
    zeile(kp::Spritzschutz, kp::PreisSpritzschutz);
    zeile(kp::Lackierung, kp::PreisLackierung);
    zeile(kp::LabelEinzelpreis, kp::Einzelpreis);
    std::printf(
        "%s: %s%s\n", f.text(kp::LabelLieferzeit).c_str(), f.text(kp::Lieferzeit).c_str(),
        f.visible(kp::EinheitLieferzeit) ? (" " + f.text(kp::EinheitLieferzeit)).c_str() : "");
    if (f.visible(kp::Kennung)) zeile(kp::LabelKennung, kp::Kennung);
    std::string menu;
    for (const MenuPopup& p : d.menu())
        for (int id : p.befehle)
            menu += (menu.empty() ? "" : ", ") + ohneKuerzel(f.text(id)) +
                    (f.enabled(id) ? "" : " (disabled)");
    std::printf("%s: %s\n", ohneKuerzel(f.text(kp::PopupSpez)).c_str(), menu.c_str());
    for (const Message& m : meldungen)
        std::printf("message [%s/%s]: %s\n", m.section.c_str(), m.key.c_str(), m.text.c_str());
}
}  // namespace

int befehlOffer(const Args& args) {
    Optionen o = lies(args, {"--choices", "--spec", "--out", "--save"});
    const bool pdf = std::erase(o.positionen, "--pdf") > 0;
    if (o.positionen.size() != 1 || (pdf && !o.werte.count("--out"))) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Offer).c_str());
        return 2;
    }
    for (auto& [option, wert] : o.werte) wert = vomStart(wert);  // every value is a path
    o.positionen[0] = vomStart(o.positionen[0]);
    std::vector<Benutzeraktion> aktionen, spezAktionen;
    for (auto [option, ziel] : {std::pair{"--choices", &aktionen}, {"--spec", &spezAktionen}}) {
        auto it = o.werte.find(option);
        if (it == o.werte.end()) continue;
        auto gelesen = aktionenAus(it->second);
        if (!gelesen) return 2;
        *ziel = *gelesen;
    }
    std::optional<Ausgabeordner> ordner;
    if (auto it = o.werte.find("--out"); it != o.werte.end()) ordner.emplace(it->second);
    const bool mitSpez = ordner || o.werte.count("--spec");
    Sitzung s(o.werksmodus, false);
    CBerechnungDlg& hd = *s.dlg;
    const size_t vorher = s.meldungen.shown.size();
    if (hd.projektLesen(o.positionen[0]) != 0) {
        if (o.json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungenSeit(vorher))}}))
            return kNichtDarstellbar;
        return 2;
    }
    const bool ergebnis = hd.berechnen();
    Json calc = calcJson(hd, s.meldungenSeit(vorher), ergebnis);
    if (!ergebnis) {
        if (o.json) {
            if (!jsonAusgeben(Json{{"messages", Json::array()}, {"calc", calc}}))
                return kNichtDarstellbar;
        } else {
            std::printf("status: %s\n", hd.form().text(hd::Statuszeile).c_str());
        }
        return 1;
    }

    const size_t beiOeffnen = s.meldungen.shown.size();
    // The completion opens the way the window opens it (its button), so it
    // gets the same values (the user-defined media among them).
    int rc = 1;
    bool geoeffnet = false;
    s.scripted.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
        geoeffnet = true;
        auto& dlg = dynamic_cast<CAssembly&>(m);
        bool abgelehnt = false;
        for (const Benutzeraktion& a : aktionen) {
            std::string grund =
                anwenden(dlg.form(), a, [&](int id, BindEvent e) { dlg.ereignis(id, e); });
            if (!grund.empty()) {
                s.meldungen.showMessage(Message{"action refused: " + grund, "", "cli", "aktion"});
                abgelehnt = true;
                break;
            }
        }
        SpezLauf spez;
        if (mitSpez && !abgelehnt) {
            // the menu item, after the completion's own checks
            spezifikationSkript(s, spezAktionen, ordner ? &*ordner : nullptr, pdf, spez);
            anwenden(dlg.form(), {kp::CmdPrintSpec, Benutzeraktion::Art::Befehl, 0, false, {}},
                     [&](int id, BindEvent e) { dlg.ereignis(id, e); });
        }
        const bool spezFehler =
            mitSpez && (!spez.geoeffnet || spez.abgelehnt || (ordner && !spez.geschrieben));
        rc = 0;
        if (abgelehnt || spezFehler || !dlg.letzteUebernahmeGelungen())
            rc = 1;
        else if (pdf && !ausdruckeSchreiben(*ordner, *s.app, dlg, hd.fall(), s.meldungen))
            rc = 1;
        const std::vector<Message> meldungen = s.meldungenSeit(beiOeffnen);
        if (o.json) {
            Json j{{"messages", meldungenJson(meldungen)}};
            const Json dialog = dialogJson(dlg);
            for (const auto& [k, v] : dialog.items()) j[k] = v;
            j["fall"] = komplettierungJson(hd.fall().komplettierung);
            j["calc"] = calc;
            if (spez.geoeffnet)
                j["spec"] = Json{{"anzeige", spez.anzeige}, {"sichtbar", spez.sichtbar}};
            if (!jsonAusgeben(j)) rc = kNichtDarstellbar;
        } else {
            textAusgeben(dlg, meldungen);
            if (ordner && !ordner->dateien().empty()) {
                std::string liste;
                for (const std::string& d : ordner->dateien())
                    liste += (liste.empty() ? "" : ", ") + d;
                std::printf("written: %s\n", liste.c_str());
            }
        }
        return 2;
    });
    hd.komplettieren();
    // the project with the offer as the completion was left
    if (auto ziel = o.werte.find("--save"); geoeffnet && ziel != o.werte.end())
        if (!hd.projektSchreiben(ziel->second)) rc = 1;
    return geoeffnet ? rc : 1;
}

}  // namespace kal::cli
