// lists and calc: the main dialog model without a screen. The CLI and the
// program share the model, so they cannot disagree.
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "app.h"
#include "berechnung_model.h"
#include "commands.h"
#include "qtsettings.h"
#include "scripted.h"

namespace kal::cli {

namespace {
using Json = nlohmann::ordered_json;
using namespace kal::hd;

// Messages go to the terminal as they are shown; the JSON output collects
// them in order.
class CliMeldungen : public MessagePort {
public:
    explicit CliMeldungen(bool ausgeben) : ausgeben_(ausgeben) {}
    void showMessage(const Message& m) override {
        shown.push_back(m);
        if (ausgeben_)
            std::printf("message [%s/%s]: %s\n", m.section.c_str(), m.key.c_str(), m.text.c_str());
    }
    std::vector<Message> shown;

private:
    bool ausgeben_;
};

// The application as start-up leaves it, in the current directory (the
// installation tree), with the user's stored settings.
struct Sitzung {
    ScriptedPorts scripted;
    CliMeldungen meldungen;
    QtSettingsPort settings;
    std::unique_ptr<CBerechnungApp> app;
    std::unique_ptr<CBerechnungDlg> dlg;

    Sitzung(bool werksmodus, bool meldungenAusgeben) : meldungen(meldungenAusgeben) {
        Ports p = scripted.ports();
        p.messages = &meldungen;
        p.settings = &settings;
        app = std::make_unique<CBerechnungApp>(p, werksmodus);
        app->erzeugeObjekte(std::string());
        // Never ask or store a language here: the stored one, else English.
        std::string code = app->spracheLesen();
        if (code.empty()) code = "uk";
        app->setSprachcode(code);
        app->spracheOeffnen(code);
        dlg = std::make_unique<CBerechnungDlg>(*app);
    }
};

struct Optionen {
    bool json = false;
    bool werksmodus = false;
    std::vector<std::string> positionen;
};

Optionen lies(const Args& args) {
    Optionen o;
    for (const std::string& a : args) {
        if (a == "--json")
            o.json = true;
        else if (a == "--werksmodus")
            o.werksmodus = true;
        else
            o.positionen.push_back(a);
    }
    // the program's own rule (environment switch; main() maps --werksmodus to it)
    o.werksmodus = o.werksmodus || CBerechnungApp::werksmodusAus(0, nullptr);
    return o;
}

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

// The channel row holds the design result besides the read-only fields.
const int kKanalZeile[] = {Anzahl1, Spalttyp1, Anzahl2, Spalttyp2};

std::string anzeigeText(const Form& f, int id) {
    if (id == Spalttyp1 || id == Spalttyp2) return f.selectedText(id);
    return f.text(id);
}

std::string einheitText(const Form& f, int id) {
    if (id == 0) return {};
    const ControlState* c = f.find(id);
    if (c && !c->items.empty()) return f.selectedText(id);
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

Json spalttypen(const std::array<SpalttypAnzahl, 2>& paare) {
    Json a = Json::array();
    for (const SpalttypAnzahl& p : paare)
        if (p.spalttyp >= 0 && p.anzahl > 0) a.push_back(Json::array({p.spalttyp, p.anzahl}));
    return a;
}

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

void jsonAusgeben(const Json& j) { std::printf("%s\n", j.dump(2).c_str()); }

Json meldungenJson(const std::vector<Message>& shown) {
    Json a = Json::array();
    for (const Message& m : shown)
        a.push_back(Json{{"section", m.section}, {"key", m.key}, {"text", m.text}});
    return a;
}
}  // namespace

int befehlLists(const Args& args) {
    Optionen o = lies(args);
    if (!o.positionen.empty()) {
        std::fprintf(stderr, "usage: kalvoria-cli lists [--json]\n");
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
        jsonAusgeben(j);
        return 0;
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

int befehlCalc(const Args& args) {
    Optionen o = lies(args);
    if (o.positionen.size() != 1) {
        std::fprintf(stderr, "usage: kalvoria-cli calc FILE [--json]\n");
        return 2;
    }
    Sitzung s(o.werksmodus, !o.json);
    CBerechnungDlg& d = *s.dlg;
    // messages of the start (e.g. an unusable settings store) stay apart
    const size_t vorher = s.meldungen.shown.size();
    if (d.projektLesen(o.positionen[0]) != 0) {
        if (o.json) {
            std::vector<Message> m(s.meldungen.shown.begin() + static_cast<long>(vorher),
                                   s.meldungen.shown.end());
            jsonAusgeben(Json{{"messages", meldungenJson(m)}});
        }
        return 2;
    }
    bool ergebnis = d.berechnen();
    const Form& f = d.form();
    const Berechnungsfall& fall = d.fall();
    if (o.json) {
        std::vector<Message> m(s.meldungen.shown.begin() + static_cast<long>(vorher),
                               s.meldungen.shown.end());
        Json anzeige = Json::object();
        for (int id : CBerechnungDlg::kErgebnisFelder)
            anzeige[std::to_string(id)] = anzeigeText(f, id);
        for (int id : kKanalZeile) anzeige[std::to_string(id)] = anzeigeText(f, id);
        Json j{{"messages", meldungenJson(m)},
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
               {"anzeige", anzeige}};
        jsonAusgeben(j);
        return ergebnis ? 0 : 1;
    }
    std::printf("status: %s\n", f.text(Statuszeile).c_str());
    if (!ergebnis) return 1;
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
    return 0;
}

}  // namespace kal::cli
