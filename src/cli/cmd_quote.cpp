// quote: a quotation of several positions without a screen. Creates or
// opens the quotation file, appends the project files given, saves it and
// prints each position as the program evaluates it, the totals and the
// messages; with --pdf it writes the quotation's document. With --actions
// the quotation window opens on the file over an empty main window and a
// user's actions drive it; its print button writes the --pdf file.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "angebot/angebotsfenster.h"
#include "angebot/mappendruck.h"
#include "angebot/sammelangebot.h"
#include "cli/ausdrucke.h"
#include "cli/commands.h"
#include "cli/fensterlauf.h"
#include "cli/sitzung.h"
#include "datalib/dialoghilfe.h"
#include "ids/dialog_ids.h"
#include "projekt/projektdatei.h"

namespace kal::cli {

namespace {

struct Zusatz {
    std::string pfad;
    int menge = 1;
    std::string text;
    bool dokumente = true;
};

struct QuoteOptionen {
    std::string datei, kunde, pdf, aktionen;
    std::vector<Zusatz> positionen;
    Antworten antworten;
    bool json = false, werksmodus = false, revision = false, nurAnschreiben = false;
};

std::optional<int> menge(const std::string& t) {
    int n = 0;
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (ec != std::errc() || p != t.data() + t.size() || n < 1 || n > kMappeMaxMenge)
        return std::nullopt;
    return n;
}

// nullopt after the usage line.
std::optional<QuoteOptionen> optionenLesen(Args args) {
    QuoteOptionen o;
    std::string fehler;
    bool ok = antwortenEntnehmen(args, o.antworten, fehler);
    if (!ok) std::fprintf(stderr, "%s\n", fehler.c_str());
    for (size_t i = 0; i < args.size() && ok; ++i) {
        const std::string& a = args[i];
        auto wert = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        if (a == "--json") {
            o.json = true;
        } else if (a == "--werksmodus") {
            o.werksmodus = true;
        } else if (a == "--revision") {
            o.revision = true;
        } else if (a == "--without-documents") {
            ok = !o.positionen.empty();
            if (ok) o.positionen.back().dokumente = false;
        } else if (a == "--letter-only") {
            o.nurAnschreiben = true;
        } else if (a == "--add") {
            auto w = wert();
            ok = w.has_value();
            if (ok) o.positionen.push_back({vomStart(*w), 1, {}, true});
        } else if (a == "--qty" || a == "--text") {
            auto w = wert();
            ok = w && !o.positionen.empty();
            if (ok && a == "--qty") {
                auto n = menge(*w);
                ok = n.has_value();
                if (ok) o.positionen.back().menge = *n;
            } else if (ok) {
                // a text longer than the file keeps is refused, not cut unseen
                ok = w->size() <= kMappeMaxText;
                if (!ok) std::fprintf(stderr, "--text takes at most %zu bytes\n", kMappeMaxText);
                o.positionen.back().text = *w;
            }
        } else if (a == "--customer" || a == "--pdf" || a == "--actions") {
            auto w = wert();
            ok = w && !w->empty();
            if (ok)
                (a == "--customer" ? o.kunde : a == "--pdf" ? o.pdf : o.aktionen) = vomStart(*w);
        } else if (!a.empty() && a[0] != '-' && o.datei.empty()) {
            o.datei = vomStart(a);
        } else {
            ok = false;
        }
    }
    if (!ok || o.datei.empty()) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Quote).c_str());
        return std::nullopt;
    }
    o.werksmodus = o.werksmodus || CBerechnungApp::werksmodusAus(0, nullptr);
    return o;
}

Json geld(const std::optional<long long>& cent) {
    return cent ? Json(static_cast<double>(*cent) / 100.0) : Json(nullptr);
}

void meldung(Sitzung& s, const CIniEx& sprache, const char* key, const std::string& wert,
             MessageIcon icon = MessageIcon::Warning) {
    // said for its position, the way the quotation numbers it
    const std::string w[] = {wert};
    s.meldungen.showMessage(
        Message{einsetzen(sprache.GetValue("angebotsmappe", "position", ""), w) + ": " +
                    sprache.GetValue("angebotsmappe", key, ""),
                "", "angebotsmappe", key, icon});
}
}  // namespace

int befehlQuote(const Args& args) {
    const std::optional<QuoteOptionen> o = optionenLesen(args);
    if (!o) return 2;
    std::optional<std::vector<Benutzeraktion>> aktionen;
    if (!o->aktionen.empty()) {
        std::string fehler;
        aktionen = aktionenDatei(o->aktionen, fehler);
        if (!aktionen) {
            std::fprintf(stderr, "%s: %s\n", o->aktionen.c_str(), fehler.c_str());
            return 2;
        }
    }
    Sitzung s(o->werksmodus, !o->json);
    antwortenGeben(s, o->antworten);
    Sammelangebot q(*s.app);
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool vorhanden = fs::exists(o->datei, ec);
    if (vorhanden && !q.oeffnen(o->datei)) {
        if (o->json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungen.shown)}}))
            return kNichtDarstellbar;
        return 2;
    }
    if (!vorhanden && o->positionen.empty()) {
        // nothing to create it from
        const std::string w[] = {o->datei};
        s.meldungen.showMessage(
            Message{einsetzen(s.app->getSprache().GetValue("error", "mappeNichtGeoeffnet", ""), w),
                    "", "error", "mappeNichtGeoeffnet", MessageIcon::Error});
        if (o->json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungen.shown)}}))
            return kNichtDarstellbar;
        return 2;
    }
    if (!o->kunde.empty()) {
        std::string grund;
        const std::optional<std::string> text = dateiLesen(o->kunde, kMappeMaxGroesse + 1);
        // a new quotation in another language takes that language's terms
        Angebotsmappe probe = q.mappe();
        if (!vorhanden && text && mappeErgaenzen(probe, *text, grund) &&
            probe.sprache != q.mappe().sprache)
            q.neu(probe.sprache);
        const bool gelesen = text && mappeErgaenzen(q.mappe(), *text, grund);
        if (!gelesen) {
            std::fprintf(stderr, "%s: %s\n", o->kunde.c_str(),
                         text ? grund.c_str() : "cannot be read");
            return 2;
        }
    }
    for (const Zusatz& z : o->positionen) {
        const std::optional<std::string> bytes =
            dateiLesen(z.pfad, kProjektGroesse + 64 + kAngebotMaxGroesse + 1);
        if (!bytes || !projektBytesGueltig(*bytes)) {
            zeigeMeldung(&s.meldungen, s.app->getSprache(), "error",
                         bytes ? "falsche ed_version" : "dateiNichtGeoeffnet", "",
                         MessageIcon::Error, bytes ? "" : z.pfad);
            if (o->json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungen.shown)}}))
                return kNichtDarstellbar;
            return 2;
        }
        if (q.anzahl() >= kMappeMaxPositionen) {
            // refused whole rather than saved without the positions beyond
            std::fprintf(stderr, "%s: a quotation holds at most %zu positions\n", z.pfad.c_str(),
                         kMappeMaxPositionen);
            return 2;
        }
        q.hinzufuegen(*bytes, z.menge, z.text);
        q.setzeDokumente(q.anzahl() - 1, z.dokumente);
    }
    int rc = 0;
    if (!o->positionen.empty() || !o->kunde.empty() || o->revision || !vorhanden)
        if (!(o->revision ? q.alsRevisionSpeichern(o->datei) : q.speichern(o->datei))) rc = 1;
    const bool gespeichert = rc == 0;
    std::string datei = o->datei, pdf;
    std::optional<Json> fenster;
    if (aktionen) {
        // as the program's --angebot opens it; its print button's PDF file
        // goes to --pdf, without one the file dialog is cancelled
        angebotsfensterAnmelden(*s.dlg, o->datei);
        if (o->pdf.empty()) s.scripted.printer.cancel = true;
        s.scripted.printer.geraet = [&](const std::string& titel, const PrintPort::Zeichnung& z) {
            const Druckausgang aus = pdfDatei(o->pdf, titel, z);
            druckfehlerMelden(&s.meldungen, s.app->getSprache(), aus, "druckFehlgeschlagen");
            if (aus.gedruckt())
                pdf = o->pdf;
            else
                rc = 1;
            return aus;
        };
        aktionen->insert(aktionen->begin(),
                         Benutzeraktion{hd::CmdAngebot, Benutzeraktion::Art::Befehl, 0, false, {}});
        Aktionslauf lauf = aktionenAnwenden(s, *aktionen);
        s.scripted.printer.geraet = nullptr;
        if (lauf.abgelehnt) rc = 1;
        // what follows is the quotation the window showed last
        if (lauf.angebotsmappe) {
            q.mappe() = std::move(*lauf.angebotsmappe);
            datei = lauf.angebotsdatei;
        }
        fenster = std::move(lauf.angebot);
    }
    // the positions as the program evaluates them
    const CIniEx& sprache = q.mappenSprache();
    Json positionen = Json::array();
    const Mappensummen summen = q.summen();
    for (size_t i = 0; i < q.anzahl(); ++i) {
        const Positionsauswertung& e = q.auswertung(i);
        const Mappenposition& p = q.mappe().positionen[i];
        const std::string nr = std::to_string(i + 1);
        if (!e.berechnet) {
            rc = 1;
            meldung(s, sprache, "nichtBerechnet", nr, MessageIcon::Error);
        } else if (e.paketGeaendert) {
            meldung(s, sprache, "paketGeaendert", nr);
        } else if (!e.einzelpreis) {
            meldung(s, sprache, "unvollstaendig", nr);
        }
        if (o->json) {
            positionen.push_back(
                Json{{"position", i + 1},
                     {"quantity", p.menge},
                     {"calculated", e.berechnet},
                     {"complete", e.vollstaendig()},
                     {"packChanged", e.paketGeaendert},
                     {"plateType", e.plattentyp},
                     {"duty", e.leistung},
                     {"media", e.medien},
                     {"identification", e.kennung},
                     {"text", p.text},
                     {"documents", p.dokumente},
                     {"unitPrice", geld(e.berechnet ? e.einzelpreis : std::nullopt)},
                     {"total", geld(summen.positionen[i])},
                     {"deliveryWeeks", e.lieferzeit ? Json(*e.lieferzeit) : Json(nullptr)},
                     {"messages", meldungenJson(e.meldungen)}});
        } else {
            for (const Message& m : e.meldungen)
                std::printf("message [%s/%s]: %s\n", m.section.c_str(), m.key.c_str(),
                            m.text.c_str());
            std::printf("%zu  %d x  %s\n", i + 1, p.menge, e.beschreibung().c_str());
            if (!e.kennung.empty()) std::printf("   %s\n", e.kennung.c_str());
            std::printf("   %s  %s\n",
                        e.einzelpreis && e.berechnet ? centText(*e.einzelpreis).c_str() : "-",
                        summen.positionen[i] ? centText(*summen.positionen[i]).c_str() : "-");
        }
    }
    if (!o->pdf.empty() && !aktionen) {
        const Druckausgang aus = pdfDatei(o->pdf, sprache.GetValue("angebotsmappe", "titel", ""),
                                          mappenZeichnung(q, !o->nurAnschreiben));
        druckfehlerMelden(&s.meldungen, s.app->getSprache(), aus, "druckFehlgeschlagen");
        if (aus.gedruckt())
            pdf = o->pdf;
        else
            rc = 1;
    }
    const std::string waehrung = !q.mappe().waehrung.empty() ? q.mappe().waehrung
                                 : q.anzahl() > 0            ? q.auswertung(0).waehrung
                                                             : std::string();
    if (o->json) {
        Json j{{"file", datei},
               {"revision", q.mappe().revision},
               {"language", q.mappe().sprache},
               {"currency", waehrung},
               {"positions", positionen},
               {"totals", Json{{"subtotal", geld(summen.zwischensumme)},
                               {"discountPercent", q.mappe().rabatt / 100.0},
                               {"discount", geld(summen.rabatt)},
                               {"net", geld(summen.netto)},
                               {"vatPercent", q.mappe().mwst / 100.0},
                               {"vat", geld(summen.mwst)},
                               {"total", geld(summen.gesamt)},
                               {"complete", summen.vollstaendig},
                               {"deliveryWeeks",
                                summen.lieferzeit > 0 ? Json(summen.lieferzeit) : Json(nullptr)},
                               {"deliveryOnRequest", summen.aufAnfrage}}},
               {"history", Json::array()},
               {"saved", gespeichert},
               {"pdf", pdf},
               {"messages", meldungenJson(s.meldungen.shown)}};
        for (const Revisionsstand& r : q.mappe().historie)
            j["history"].push_back(Json{{"revision", r.revision},
                                        {"date", r.datum},
                                        {"subtotal", geld(r.zwischensumme)},
                                        {"total", geld(r.gesamt)}});
        if (fenster) j["angebot"] = std::move(*fenster);
        if (!jsonAusgeben(j)) return kNichtDarstellbar;
    } else {
        std::printf("subtotal: %s %s\n", centText(summen.zwischensumme).c_str(), waehrung.c_str());
        if (q.mappe().rabatt > 0)
            std::printf("discount %s %%: -%s %s\n", prozentText(q.mappe().rabatt).c_str(),
                        centText(summen.rabatt).c_str(), waehrung.c_str());
        std::printf("VAT %s %%: %s %s\n", prozentText(q.mappe().mwst).c_str(),
                    centText(summen.mwst).c_str(), waehrung.c_str());
        std::printf("total: %s %s\n", centText(summen.gesamt).c_str(), waehrung.c_str());
        std::printf("delivery: %d weeks%s\n", summen.lieferzeit,
                    summen.aufAnfrage ? " (some on request)" : "");
        if (!pdf.empty()) std::printf("written: %s\n", pdf.c_str());
    }
    return rc;
}

}  // namespace kal::cli
