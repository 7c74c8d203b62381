// lists and calc: the main dialog model without a screen. The CLI and the
// program share the model, so they cannot disagree.
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "angebot/angebotsfenster.h"
#include "cli/ausdrucke.h"
#include "cli/fensterlauf.h"
#include "cli/sitzung.h"
#include "datalib/format.h"
#include "engine/kennlinie.h"
#include "ports/benutzeraktion.h"

namespace kal::cli {

using namespace kal::engine;

namespace {
using namespace kal::hd;

// Every selection list of the main dialog, in window order.
const int kListen[] = {MediumWarm,
                       MediumKalt,
                       EinheitLeistung,
                       EinheitTEinWarm,
                       EinheitTAusWarm,
                       EinheitDurchsatzWarm,
                       EinheitDruckverlustWarm,
                       EinheitFoulingWarm,
                       EinheitGasDruckWarm,
                       EinheitTEinKalt,
                       EinheitTAusKalt,
                       EinheitDurchsatzKalt,
                       EinheitDruckverlustKalt,
                       EinheitFoulingKalt,
                       EinheitGasDruckKalt,
                       MaterialPlatte,
                       DichtungWarm,
                       DichtungKalt,
                       Gestell,
                       GestellVariante,
                       Druckstufe,
                       PlattentypModus,
                       Plattentyp,
                       SpaltenModus,
                       SerienModus,
                       Spalttyp1,
                       Spalttyp2};

// Result rows as the window shows them: label, warm/single value, cold
// value (0 none), unit (a label id, or a list whose selection is the unit).
struct Zeile {
    int label, wert1, wert2, einheit;
};
const Zeile kZeilen[] = {
    {LabelLeistung, ErgLeistung, 0, EinheitLeistung},
    {LabelSicherheit, ErgSicherheit, 0, LabelProzent},
    {LabelTEin, ErgTEinWarm, ErgTEinKalt, EinheitTEinWarm},
    {LabelTAus, ErgTAusWarm, ErgTAusKalt, EinheitTAusWarm},
    {LabelDurchsatz, ErgDurchsatzWarm, ErgDurchsatzKalt, EinheitDurchsatzWarm},
    {LabelDruckverlust, ErgDruckverlustWarm, ErgDruckverlustKalt, EinheitDruckverlustWarm},
    {LabelPlattentyp, ErgPlattentyp, 0, 0},
    {LabelSpalten, ErgSpalten, 0, 0},
    {LabelSerien, ErgSerien, 0, 0},
    {LabelAlfa, AlfaWarm, AlfaKalt, EinheitAlfa},
    {LabelVMin, VMinWarm, VMinKalt, EinheitVMin},
    {LabelVMax, VMaxWarm, VMaxKalt, EinheitVMax},
    {LabelVStutzen, VStutzenWarm, VStutzenKalt, EinheitVStutzen},
    {LabelKRein, KRein, 0, EinheitKRein},
    {LabelKErf, KErf, 0, EinheitKErf},
    {LabelKEff, KEff, 0, EinheitKEff},
    {LabelFoulingSoll, FoulingSoll, 0, EinheitFoulingSoll},
    {LabelFoulingIst, FoulingIst, 0, EinheitFoulingIst},
    {LabelCmtd, Cmtd, 0, EinheitCmtd},
    {LabelFlaeche, Flaeche, 0, EinheitFlaeche},
    {LabelGewicht, Gewicht, 0, EinheitGewicht},
    {LabelLieferzeit, Lieferzeit, 0, EinheitLieferzeit},
    {LabelPreis, Preis, 0, EinheitPreis},
    {LabelCustomPreis, CustomPreis, 0, EinheitCustomPreis},
};

std::string einheitText(const Form& f, int id) {
    if (id == 0) return {};
    const ControlState* c = f.find(id);
    if (c && !c->items.empty()) return f.selectedText(id);
    return f.text(id);
}

}  // namespace

int befehlLists(const Args& args) {
    Optionen o = lies(args);
    if (!o.positionen.empty()) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Lists).c_str());
        return 2;
    }
    Sitzung s(o.werksmodus, !o.json);
    const Form& f = s.dlg->form();
    if (o.json) {
        Json j = Json::object();
        for (int id : kListen) {
            Json a = Json::array();
            if (const ControlState* c = f.find(id))
                for (const ListEntry& e : c->items)
                    a.push_back(Json{{"text", e.text}, {"value", e.value}});
            j[std::to_string(id)] = a;
        }
        return jsonAusgeben(j) ? 0 : kNichtDarstellbar;
    }
    for (int id : kListen) {
        const ControlState* c = f.find(id);
        std::printf("%d (%zu entries, selected %d)\n", id, c ? c->items.size() : 0u,
                    c ? c->selection : -1);
        if (c)
            for (const ListEntry& e : c->items) std::printf("  %6d  %s\n", e.value, e.text.c_str());
    }
    return 0;
}

namespace {
// More packs than a window or a terminal shows make no sense.
constexpr long long kMaxAlternativen = 100;

// "12 HM+8 ML": channels per pass and channel type
std::string spalttypText(const Data& d, std::span<const SpalttypAnzahl> typen) {
    std::string t;
    for (const SpalttypAnzahl& p : typen) {
        const Spalttyp* typ = d.getSpalttypListe().internalGetAt(p.spalttyp);
        if (typ && p.anzahl > 0)
            t += (t.empty() ? "" : "+") + std::to_string(p.anzahl) + " " + typ->getName();
    }
    return t;
}

// The packs as a table (the result first, marked *), then each pack's
// limits; without a result the reasons and the entry change.
void alternativenAusgeben(const Alternativenbericht& b, const Data& d, const CIniEx& sprache) {
    if (!b.pakete.empty()) {
        std::printf("\n%s:\n", sprache.GetValue("alternatives", "title", "").c_str());
        // the case's display units, named under their columns
        const Anzeigeeinheiten& u = b.einheiten;
        std::printf("   %-6s %-10s %6s %6s %-12s %-16s %8s %8s %8s %8s %6s %s\n", "#", "type",
                    "plates", "passes", "warm", "cold", "area", "reserve", "dp warm", "dp cold",
                    "weeks", "price");
        std::printf("   %-6s %-10s %6s %6s %-12s %-16s %8s %8s %8s %8s\n", "", "", "", "", "", "",
                    u.flaecheName().c_str(), "%", u.name(Grenze::DruckverlustWarm).c_str(),
                    u.name(Grenze::DruckverlustKalt).c_str());
        for (size_t i = 0; i < b.pakete.size(); ++i) {
            const Berechnungsergebnis& e = b.pakete[i].ergebnis;
            std::printf(" %s %-6zu %-10s %6d %6d %-12s %-16s %8.2f %8.2f %8.2f %8.2f %6d %s\n",
                        i == 0 ? "*" : " ", i + 1, e.plattentypName.c_str(), e.spaltenGesamt + 1,
                        e.serien, spalttypText(d, e.spalttypenWarm).c_str(),
                        spalttypText(d, e.spalttypenKalt).c_str(), u.flaecheZahl(e.flaeche),
                        e.flaechenreserve, u.zahl(Grenze::DruckverlustWarm, e.druckverlustWarm),
                        u.zahl(Grenze::DruckverlustKalt, e.druckverlustKalt), e.lieferzeit,
                        preisText(e, sprache).c_str());
        }
        for (size_t i = 0; i < b.pakete.size(); ++i) {
            std::printf("\n%zu %s\n", i + 1, b.pakete[i].ergebnis.preisCode.c_str());
            for (const Paketgrenze& g : b.pakete[i].grenzen)
                std::printf("  %s %-32s %12s %12s %7.1f %%\n", g.bindend ? "!" : " ",
                            grenzText(sprache, g.grenze).c_str(),
                            grenzZahl(g.grenze, g.wert, u).c_str(),
                            grenzZahl(g.grenze, g.erlaubt, u).c_str(), 100.0 * g.abstand);
        }
        return;
    }
    if (b.nichtsBewertet)
        std::printf("%s\n", sprache.GetValue("alternatives", "nichtsBewertet", "").c_str());
    for (const Grund& g : b.gruende)
        std::printf("  %s\n", grundText(sprache, g, b.einheiten).c_str());
    if (b.aenderung) std::printf("%s\n", aenderungText(sprache, *b.aenderung, b.einheiten).c_str());
}
}  // namespace

int befehlCalc(const Args& args) {
    // several operating points: a calculation of their own
    std::vector<std::string> punkte;
    Args rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--point")
            rest.push_back(args[i]);
        else if (i + 1 < args.size())
            punkte.push_back(args[++i]);
        else
            punkte.emplace_back();
    }
    if (!punkte.empty()) return befehlCalcPunkte(rest, punkte);
    Antworten antworten;
    std::string fehler;
    if (!antwortenEntnehmen(rest, antworten, fehler)) {
        std::fprintf(stderr, "%s\n%s\n", fehler.c_str(), nutzung(aufruf::BefehlId::Calc).c_str());
        return 2;
    }
    Optionen o = lies(rest, {"--alternatives", "--actions", "--save", "--curve"});
    int anzahl = 0;
    if (auto a = o.werte.find("--alternatives"); a != o.werte.end()) {
        long long n = 0;
        if (pruefeInteger(a->second, 1, kMaxAlternativen, n) != ZahlOk) {
            std::fprintf(stderr, "--alternatives takes a whole number from 1 to %lld, not \"%s\"\n",
                         kMaxAlternativen, a->second.c_str());
            return 2;
        }
        anzahl = static_cast<int>(n);
    }
    const auto kurve = o.werte.find("--curve");
    if (o.positionen.size() != 1 || (kurve != o.werte.end() && kurve->second.empty())) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Calc).c_str());
        return 2;
    }
    std::optional<std::vector<Benutzeraktion>> aktionen;
    if (auto a = o.werte.find("--actions"); a != o.werte.end()) {
        const std::string pfad = vomStart(a->second);
        aktionen = aktionenDatei(pfad, fehler);
        if (!aktionen) {
            std::fprintf(stderr, "%s: %s\n", pfad.c_str(), fehler.c_str());
            return 2;
        }
    }
    Sitzung s(o.werksmodus, !o.json);
    CBerechnungDlg& d = *s.dlg;
    angebotsfensterAnmelden(d, {});
    antwortenGeben(s, antworten);
    // messages of the start (e.g. an unusable settings store) stay apart
    const size_t vorher = s.meldungen.shown.size();
    if (d.projektLesen(vomStart(o.positionen[0])) != 0) {
        if (o.json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungenSeit(vorher))}}))
            return kNichtDarstellbar;
        return 2;
    }
    // A project holding further points is designed for all of them, each
    // point shown.
    if (!aktionen && anzahl == 0 && !o.werte.count("--save") && !d.weiterePunkte().empty())
        return punkteRechnen(s, o.json, o.positionen[0], {}, {}, vorher,
                             kurve != o.werte.end() ? vomStart(kurve->second) : std::string());
    // Scripted, the window does what the actions do ("Berechnen" among
    // them); else it calculates once, as the button does.
    Aktionslauf lauf;
    if (aktionen) lauf = aktionenAnwenden(s, *aktionen);
    const bool ergebnis = aktionen ? d.getErgebnisVorhanden() : d.berechnen();
    // what the window's Save writes after "Berechnen"; a failed write names
    // the file among the messages and fails the command
    bool geschrieben = true;
    if (auto ziel = o.werte.find("--save"); ziel != o.werte.end())
        geschrieben = d.projektSchreiben(vomStart(ziel->second));
    // the curve sheet of the shown pack, likewise
    std::vector<engine::Kennlinie> kurven;
    if (kurve != o.werte.end() && ergebnis) {
        kurven = d.kennlinien({}, d.fall().ergebnis);
        geschrieben = !kurven.empty() &&
                      kennlinienSchreiben(s, vomStart(kurve->second), kurven, d.fall().ergebnis) &&
                      geschrieben;
    }
    const int rc = ergebnis && !lauf.abgelehnt && geschrieben ? 0 : 1;
    const Form& f = d.form();
    const CIniEx& sprache = s.app->getSprache();
    if (o.json) {
        Json j = calcJson(d, s.meldungenSeit(vorher), ergebnis);
        if (kurve != o.werte.end()) j["curves"] = kennlinienJson(kurven);
        if (anzahl > 0) alternativenJson(j, d.alternativen(anzahl), sprache);
        if (lauf.betriebspunkte) j["betriebspunkte"] = std::move(*lauf.betriebspunkte);
        if (lauf.angebot) j["angebot"] = std::move(*lauf.angebot);
        if (!jsonAusgeben(j)) return kNichtDarstellbar;
        return rc;
    }
    std::printf("status: %s\n", f.text(hd::Statuszeile).c_str());
    if (!ergebnis) {
        if (anzahl > 0) alternativenAusgeben(d.alternativen(anzahl), s.app->getData(), sprache);
        return rc;
    }
    for (const Zeile& z : kZeilen) {
        if (!f.visible(z.wert1)) continue;
        // rows the display leaves empty (the side columns) are not printed
        if (f.text(z.wert1).empty() && (z.wert2 == 0 || f.text(z.wert2).empty())) continue;
        std::string zeile = f.text(z.label) + ": " + f.text(z.wert1);
        if (z.wert2) zeile += " / " + f.text(z.wert2);
        std::string einheit = einheitText(f, z.einheit);
        if (!einheit.empty()) zeile += " " + einheit;
        std::printf("%s\n", zeile.c_str());
    }
    std::string spalt =
        f.text(LabelSpalttyp) + ": " + f.text(Anzahl1) + " " + f.selectedText(Spalttyp1);
    if (!f.text(Anzahl2).empty()) spalt += ", " + f.text(Anzahl2) + " " + f.selectedText(Spalttyp2);
    std::printf("%s\n", spalt.c_str());
    std::printf("%s (%s): %s, %s, %s, %s, %s\n", f.text(RahmenMasse).c_str(),
                f.checked(MassMm) ? "mm" : "inch", f.text(Hoehe).c_str(), f.text(Breite).c_str(),
                f.text(LaengeTotal).c_str(), f.text(StutzenHorizontal).c_str(),
                f.text(StutzenVertikal).c_str());
    if (anzahl > 0) alternativenAusgeben(d.alternativen(anzahl), s.app->getData(), sprache);
    return rc;
}

}  // namespace kal::cli
