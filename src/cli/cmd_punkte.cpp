// calc --point: one pack for several operating points. Each point file is
// read by the main dialog model and its entries acquired as "Berechnen"
// acquires them, so a point means here what it means in the window.
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "cli/ausdrucke.h"
#include "cli/sitzung.h"
#include "datalib/format.h"
#include "engine/betriebspunkte.h"
#include "ui/main/bericht.h"
#include "ui/main/ergebnisanzeige.h"

namespace kal::cli {

using namespace kal::engine;

namespace {

std::string text(const CIniEx& sprache, const char* key, const std::vector<std::string>& teile) {
    return einsetzen(sprache.GetValue("betriebspunkte", key, ""), teile);
}

// "12 HM + 8 ML" per pass
std::string kanaele(const Data& d, std::span<const SpalttypAnzahl> typen) {
    std::string t;
    for (const SpalttypAnzahl& p : typen) {
        const Spalttyp* typ = d.getSpalttypListe().internalGetAt(p.spalttyp);
        if (!typ || p.anzahl <= 0) continue;
        t += (t.empty() ? "" : " + ") + std::to_string(p.anzahl) + " " + typ->getName();
    }
    return t;
}

void punktAusgeben(const Berechnungsbericht& r, const Paketgrenzen& grenzen, const Data& d,
                   const CIniEx& sprache) {
    const Berechnungsfall& f = r.fall;
    const Arbeitswerte& a = f.arbeitswerte;
    const Falleingaben& e = f.eingaben;
    std::printf(
        "  duty %.1f kW; warm %.1f -> %.1f degC, %.4g kg/s; cold %.1f -> %.1f degC, "
        "%.4g kg/s\n",
        a.leistungSoll / 1000.0, e.warm.tEin, e.warm.tAus, e.warm.massenstrom, e.kalt.tEin,
        e.kalt.tAus, e.kalt.massenstrom);
    if (!r.ergebnisVorhanden) return;
    const Anzeigeeinheiten u = anzeigeeinheiten(d, e);
    const Berechnungsergebnis& x = f.ergebnis;
    std::printf("  k clean %.0f, k eff %.0f, k req %.0f W/m2K; alpha %.0f / %.0f W/m2K\n", x.kRein,
                x.kEff, x.kErf, x.alfaWarm, x.alfaKalt);
    for (const Paketgrenze& g : grenzen)
        std::printf("  %s %-32s %12s %12s %7.1f %%\n", g.bindend ? "!" : " ",
                    grenzText(sprache, g.grenze).c_str(), grenzZahl(g.grenze, g.wert, u).c_str(),
                    grenzZahl(g.grenze, g.erlaubt, u).c_str(), 100.0 * g.abstand);
}

Json punktJson(const std::string& datei, const Berechnungsbericht& r, const Paketgrenzen& g,
               const std::vector<Message>& meldungen) {
    const Berechnungsfall& f = r.fall;
    Json j{{"file", datei},
           {"messages", meldungenJson(meldungen)},
           {"ergebnisVorhanden", r.ergebnisVorhanden},
           {"fall", Json{{"leistungSoll", f.arbeitswerte.leistungSoll},
                         {"sicherheit", f.eingaben.sicherheit},
                         {"warm", seiteJson(f.eingaben.warm)},
                         {"kalt", seiteJson(f.eingaben.kalt)}}}};
    if (r.ergebnisVorhanden) {
        j["ergebnis"] = ergebnisJson(f.ergebnis);
        j["limits"] = grenzenJson(g);
    }
    return j;
}

}  // namespace

int befehlCalcPunkte(const Args& args, const std::vector<std::string>& punkte) {
    Optionen o = lies(args, {"--curve"});
    bool leer = false;
    for (const std::string& p : punkte) leer = leer || p.empty();
    const auto kurve = o.werte.find("--curve");
    if (kurve != o.werte.end() && kurve->second.empty()) leer = true;
    if (o.positionen.size() != 1 || leer) {
        std::fprintf(stderr, "%s\n", nutzung(aufruf::BefehlId::Calc).c_str());
        return 2;
    }
    Sitzung s(o.werksmodus, !o.json);
    CBerechnungDlg& d = *s.dlg;
    const size_t start = s.meldungen.shown.size();
    auto abbruch = [&](int rc) {
        if (o.json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungenSeit(start))}}))
            return kNichtDarstellbar;
        return rc;
    };
    // the further points first: the window ends on FILE, the first point
    std::vector<Falleingaben> weitere;
    for (const std::string& p : punkte) {
        if (d.projektLesen(vomStart(p)) != 0) return abbruch(2);
        Falleingaben e;
        if (!d.eingabenErfassen(e)) return abbruch(1);
        weitere.push_back(e);
    }
    const std::string datei = o.positionen[0];
    if (d.projektLesen(vomStart(datei)) != 0) return abbruch(2);
    return punkteRechnen(s, o.json, datei, punkte, weitere, start,
                         kurve != o.werte.end() ? vomStart(kurve->second) : std::string());
}

int punkteRechnen(Sitzung& s, bool json, const std::string& datei,
                  const std::vector<std::string>& punkte, const std::vector<Falleingaben>& weitere,
                  size_t start, const std::string& kurve) {
    CBerechnungDlg& d = *s.dlg;
    const CIniEx& sprache = s.app->getSprache();
    const Data& data = s.app->getData();
    auto abbruch = [&](int rc) {
        if (json && !jsonAusgeben(Json{{"messages", meldungenJson(s.meldungenSeit(start))}}))
            return kNichtDarstellbar;
        return rc;
    };
    const std::optional<Mehrpunktbericht> b = d.betriebspunkteBerechnen(weitere);
    if (!b) return abbruch(1);
    if (b->abweichung) {
        for (const Meldung& m : b->meldungen)
            s.meldungen.showMessage(meldungsBox(m, sprache, data, d.fall().eingaben));
        return abbruch(2);
    }

    // the points the project holds are named by it
    std::vector<std::string> dateien(d.weiterePunkte().size() + 1, datei);
    dateien.insert(dateien.end(), punkte.begin(), punkte.end());
    const Berechnungsbericht& erster = b->punkte[0];
    const std::string status =
        erster.status
            ? statusText(sprache.GetValue("result", erster.status->key, ""), erster.status->anzahl)
            : std::string();
    const Berechnungsergebnis& paket = erster.fall.ergebnis;
    // the curve sheet of the pack at every point; a failed write names the
    // file and fails the command
    std::vector<Kennlinie> kurven;
    bool geschrieben = true;
    if (!kurve.empty() && b->ergebnisVorhanden) {
        kurven = d.kennlinien(weitere, paket);
        geschrieben = !kurven.empty() && kennlinienSchreiben(s, kurve, kurven, paket);
    }
    const int rc = b->ergebnisVorhanden && geschrieben ? 0 : 1;
    if (!json) {
        std::printf("status: %s\n", status.c_str());
        if (b->ergebnisVorhanden)
            std::printf("%s: %s, %d plates, %d pass(es); warm %s, cold %s; %.2f m2; %s %s\n",
                        text(sprache, "paket", {}).c_str(), paket.plattentypName.c_str(),
                        paket.spaltenGesamt + 1, paket.serien,
                        kanaele(data, paket.spalttypenWarm).c_str(),
                        kanaele(data, paket.spalttypenKalt).c_str(), paket.flaeche,
                        preisText(paket, sprache).c_str(),
                        sprache.GetValue("unit", "waehrung", "").c_str());
    }
    Json liste = Json::array();
    for (size_t i = 0; i < b->punkte.size(); ++i) {
        const Berechnungsbericht& r = b->punkte[i];
        if (!json)
            std::printf("%s: %s\n", text(sprache, "punkt", {std::to_string(i + 1)}).c_str(),
                        dateien[i].c_str());
        const size_t vorher = s.meldungen.shown.size();
        for (const Meldung& m : r.meldungen)
            s.meldungen.showMessage(meldungsBox(m, sprache, data, r.fall.eingaben));
        if (!json)
            punktAusgeben(r, b->grenzen[i], data, sprache);
        else
            liste.push_back(punktJson(dateien[i], r, b->grenzen[i], s.meldungenSeit(vorher)));
    }
    if (json) {
        Json j{{"messages", meldungenJson(s.meldungenSeit(start))},
               {"status", status},
               {"ergebnisVorhanden", b->ergebnisVorhanden}};
        if (b->ergebnisVorhanden) j["pack"] = ergebnisJson(paket);
        j["points"] = std::move(liste);
        if (!kurve.empty()) j["curves"] = kennlinienJson(kurven);
        if (b->bindend) {
            const Paketgrenze& g = b->bindend->grenze;
            j["binding"] = Json{{"point", b->bindend->punkt + 1},
                                {"name", grenzName(g.grenze)},
                                {"value", g.wert},
                                {"limit", g.erlaubt},
                                {"margin", g.abstand}};
        }
        return jsonAusgeben(j) ? rc : kNichtDarstellbar;
    }
    if (b->bindend) {
        const Paketgrenze& g = b->bindend->grenze;
        const Anzeigeeinheiten u =
            anzeigeeinheiten(data, b->punkte[static_cast<size_t>(b->bindend->punkt)].fall.eingaben);
        std::printf("%s (%s; limit %s; margin %.1f %%)\n",
                    text(sprache, "bindend",
                         {std::to_string(b->bindend->punkt + 1), grenzText(sprache, g.grenze)})
                        .c_str(),
                    grenzZahl(g.grenze, g.wert, u).c_str(),
                    grenzZahl(g.grenze, g.erlaubt, u).c_str(), 100.0 * g.abstand);
    }
    return rc;
}

}  // namespace kal::cli
