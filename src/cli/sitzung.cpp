#include "cli/sitzung.h"

#include <cstdio>
#include <span>

#include "cli/json_endlich.h"
#include "ui/main/hinweise.h"

namespace kal::cli {

using namespace kal::engine;

namespace {
using namespace kal::hd;

// The channel row holds the design result besides the read-only fields.
const int kKanalZeile[] = {Anzahl1, Spalttyp1, Anzahl2, Spalttyp2};

std::string anzeigeText(const Form& f, int id) {
    if (id == Spalttyp1 || id == Spalttyp2) return f.selectedText(id);
    return f.text(id);
}

Json preisteile(const Preisteile& p) {
    return Json{{"preis", p.preis},
                {"paket", p.paket},
                {"gestell", p.gestell},
                {"platten", p.platten},
                {"dichtungen", p.dichtungen},
                {"gestellGrund", p.gestellGrund},
                {"gestellZuschlag", p.gestellZuschlag},
                {"wegeAufschlag", p.wegeAufschlag}};
}

Json spalttypen(std::span<const SpalttypAnzahl> paare) {
    Json a = Json::array();
    for (const SpalttypAnzahl& p : paare)
        if (p.spalttyp >= 0 && p.anzahl > 0) a.push_back(Json::array({p.spalttyp, p.anzahl}));
    return a;
}
}  // namespace

Json ergebnisJson(const Berechnungsergebnis& e) {
    return Json{{"plattentyp", e.plattentyp},
                {"plattentypName", e.plattentypName},
                {"serien", e.serien},
                {"spaltenGesamt", e.spaltenGesamt},
                {"flaeche", e.flaeche},
                {"flaechenreserve", e.flaechenreserve},
                {"alfaWarm", e.alfaWarm},
                {"alfaKalt", e.alfaKalt},
                {"druckverlustWarm", e.druckverlustWarm},
                {"druckverlustKalt", e.druckverlustKalt},
                {"vSpaltMinWarm", e.vSpaltMinWarm},
                {"vSpaltMinKalt", e.vSpaltMinKalt},
                {"vSpaltMaxWarm", e.vSpaltMaxWarm},
                {"vSpaltMaxKalt", e.vSpaltMaxKalt},
                {"vStutzenWarm", e.vStutzenWarm},
                {"vStutzenKalt", e.vStutzenKalt},
                {"kRein", e.kRein},
                {"kErf", e.kErf},
                {"kEff", e.kEff},
                {"foulingSoll", e.foulingSoll},
                {"foulingIst", e.foulingIst},
                {"cmtd", e.cmtd},
                {"lmtd", e.lmtd},
                {"spalttypenWarm", spalttypen(e.spalttypenWarm)},
                {"spalttypenKalt", spalttypen(e.spalttypenKalt)},
                {"inhaltWarm", e.inhaltWarm},
                {"inhaltKalt", e.inhaltKalt},
                {"gewicht", e.gewicht},
                {"lieferzeit", e.lieferzeit},
                {"grundpreis", e.grundpreis},
                {"customPreis", e.customPreis},
                {"preisteile", preisteile(e.preisteile)},
                {"customPreisteile", preisteile(e.customPreisteile)},
                {"preisCode", e.preisCode},
                {"hoehe", e.hoehe},
                {"breite", e.breite},
                {"laengeTotal", e.laengeTotal},
                {"stutzenabstandHorizontal", e.stutzenabstandHorizontal},
                {"stutzenabstandVertikal", e.stutzenabstandVertikal},
                {"leistungWarm", e.leistungWarm},
                {"tAusWarm", e.tAusWarm},
                {"materialPlatte", e.materialPlatte},
                {"dichtungWarm", e.dichtungWarm},
                {"dichtungKalt", e.dichtungKalt},
                {"gestell", e.gestell},
                {"gestellVariante", e.gestellVariante},
                {"druckstufe", e.druckstufe}};
}

Json seiteJson(const Mediumseite& m) {
    return Json{{"tEin", m.tEin},
                {"tAus", m.tAus},
                {"massenstrom", m.massenstrom},
                {"volumenstrom", m.volumenstrom}};
}

Json grenzenJson(const Paketgrenzen& g) {
    Json a = Json::array();
    for (const Paketgrenze& p : g)
        a.push_back(Json{{"name", grenzName(p.grenze)},
                         {"value", p.wert},
                         {"limit", p.erlaubt},
                         {"margin", p.abstand},
                         {"binding", p.bindend}});
    return a;
}

namespace {

const char* const kEintraege[] = {"druckverlustWarm", "druckverlustKalt", "sicherheit", "serien",
                                  "plattentyp"};

}  // namespace

void alternativenJson(Json& calc, const Alternativenbericht& b, const CIniEx& sprache) {
    Json pakete = Json::array();
    for (const Alternative& a : b.pakete) {
        Json e = ergebnisJson(a.ergebnis);
        e["limits"] = grenzenJson(a.grenzen);
        pakete.push_back(std::move(e));
    }
    calc["alternatives"] = std::move(pakete);
    if (!b.pakete.empty()) return;
    Json gruende = Json::array();
    for (const Grund& g : b.gruende)
        gruende.push_back(Json{{"plattentypName", g.plattentypName},
                               {"serien", g.serien},
                               {"spaltenGesamt", g.spaltenGesamt},
                               {"limit", grenzName(g.grenze)},
                               {"value", g.wert},
                               {"allowed", g.erlaubt},
                               {"text", grundText(sprache, g)}});
    calc["reasons"] = std::move(gruende);
    if (b.aenderung)
        calc["change"] = Json{{"entry", kEintraege[b.aenderung->eintrag]},
                              {"value", b.aenderung->wert},
                              {"text", aenderungText(sprache, *b.aenderung)},
                              {"pack", ergebnisJson(b.aenderung->paket)}};
}

namespace {
std::string& appDir() {
    static std::string dir;
    return dir;
}
}  // namespace

void setAnwendungsverzeichnis(const std::string& dir) { appDir() = dir; }
const std::string& anwendungsverzeichnis() { return appDir(); }
std::string imAnwendungsverzeichnis(const std::string& rel) {
    return appDir().empty() ? rel : appDir() + "/" + rel;
}

void CliMeldungen::showMessage(const Message& m) {
    shown.push_back(m);
    if (ausgeben_)
        std::printf("message [%s/%s]: %s\n", m.section.c_str(), m.key.c_str(), m.text.c_str());
}

Sitzung::Sitzung(bool werksmodus, bool meldungenAusgeben) : meldungen(meldungenAusgeben) {
    Ports p = scripted.ports();
    p.messages = &meldungen;
    p.settings = &settings;
    app = std::make_unique<CBerechnungApp>(p, werksmodus);
    app->erzeugeObjekte(anwendungsverzeichnis());
    // Never ask or store a language here: the stored one, else English.
    std::string code = app->spracheLesen();
    if (code.empty()) code = "uk";
    app->setSprachcode(code);
    app->spracheOeffnen(code);
    dlg = std::make_unique<CBerechnungDlg>(*app);
}

std::vector<Message> Sitzung::meldungenSeit(size_t ab) const {
    if (ab > meldungen.shown.size()) ab = meldungen.shown.size();
    return {meldungen.shown.begin() + static_cast<long>(ab), meldungen.shown.end()};
}

Optionen lies(const Args& args, const std::vector<std::string>& mitWert) {
    Optionen o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json")
            o.json = true;
        else if (a == "--werksmodus")
            o.werksmodus = true;
        else if (std::find(mitWert.begin(), mitWert.end(), a) != mitWert.end())
            o.werte[a] = i + 1 < args.size() ? args[++i] : std::string();
        else
            o.positionen.push_back(a);
    }
    // the program's own rule (environment switch; main() maps --werksmodus to it)
    o.werksmodus = o.werksmodus || CBerechnungApp::werksmodusAus(0, nullptr);
    return o;
}

bool jsonAusgeben(const Json& j) {
    if (std::optional<std::string> wo = nichtEndlicheZahl(j)) {
        std::fprintf(stderr, "kalvoria-cli: %s: not a finite number\n", wo->c_str());
        return false;
    }
    std::printf("%s\n", j.dump(2).c_str());
    return true;
}

Json meldungenJson(const std::vector<Message>& shown) {
    Json a = Json::array();
    for (const Message& m : shown)
        a.push_back(Json{{"section", m.section}, {"key", m.key}, {"text", m.text}});
    return a;
}

Json calcJson(const CBerechnungDlg& d, const std::vector<Message>& meldungen, bool ergebnis) {
    const Form& f = d.form();
    const Berechnungsfall& fall = d.fall();
    Json anzeige = Json::object();
    for (int id : CBerechnungDlg::kErgebnisFelder) anzeige[std::to_string(id)] = anzeigeText(f, id);
    for (int id : kKanalZeile) anzeige[std::to_string(id)] = anzeigeText(f, id);
    // the balance entries as a save after this calculation stores them
    Json eingaben = Json::object();
    for (int id : hinweise::kBilanzFelder) eingaben[std::to_string(id)] = f.text(id);
    return Json{{"messages", meldungenJson(meldungen)},
                {"status", f.text(Statuszeile)},
                {"ergebnisVorhanden", ergebnis},
                {"anzahlBerechnungen", fall.suche.anzahlBerechnungen},
                {"ergebnis", ergebnisJson(fall.ergebnis)},
                {"fall", Json{{"leistungWarm", fall.arbeitswerte.leistungWarm},
                              {"leistungKalt", fall.arbeitswerte.leistungKalt},
                              {"leistungSoll", fall.arbeitswerte.leistungSoll},
                              {"deltaTm", fall.arbeitswerte.deltaTm},
                              {"warm", seiteJson(fall.eingaben.warm)},
                              {"kalt", seiteJson(fall.eingaben.kalt)}}},
                {"anzeige", anzeige},
                {"eingaben", eingaben}};
}

}  // namespace kal::cli
