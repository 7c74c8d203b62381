#include "ui/main/alternativen_model.h"

#include <algorithm>
#include <span>
#include <utility>

#include "datalib/format.h"
#include "ui/main/berechnung_model.h"
#include "ui/main/feldregeln.h"

namespace kal {

using namespace engine;

namespace {
const char* const kKoepfe[] = {"spalteNr",      "spaltePreis",     "spalteTyp",    "spaltePlatten",
                               "spalteSerien",  "spalteReserve",   "spalteDpWarm", "spalteDpKalt",
                               "spalteBindend", "spalteFlaeche",   "spalteWarm",   "spalteKalt",
                               "spalteGewicht", "spalteLieferzeit"};
static_assert(std::size(kKoepfe) == AlternativenDlgModel::kSpalten);

std::string text(const CIniEx& s, const char* key) { return s.GetValue("alternatives", key, ""); }

std::string spalttypen(const Data& d, std::span<const SpalttypAnzahl> paare) {
    std::string t;
    for (const SpalttypAnzahl& p : paare) {
        const Spalttyp* typ = d.getSpalttypListe().internalGetAt(p.spalttyp);
        if (p.spalttyp < 0 || p.anzahl <= 0 || !typ) continue;
        t += (t.empty() ? "" : " + ") + std::to_string(p.anzahl) + " " + typ->getName();
    }
    return t;
}

AlternativenDlgModel::Zelle zahl(double x, const char* format) {
    return {formatiere(format, x), x};
}
}  // namespace

AlternativenDlgModel::AlternativenDlgModel(Alternativenbericht bericht, const Data& data,
                                           const CIniEx& sprache)
    : bericht_(std::move(bericht)), sprache_(sprache) {
    setCaption(text(sprache, "title"));
    // figures in the case's display units, as the main window shows its result
    const Anzeigeeinheiten& u = bericht_.einheiten;
    for (const char* k : kKoepfe) koepfe_.push_back(text(sprache, k));
    const std::pair<Spalte, std::string> einheiten[] = {{DpWarm, u.name(Grenze::DruckverlustWarm)},
                                                        {DpKalt, u.name(Grenze::DruckverlustKalt)},
                                                        {Flaeche, u.flaecheName()},
                                                        {Gewicht, u.gewichtName()}};
    for (const auto& [spalte, name] : einheiten)
        koepfe_[spalte] = einsetzen(koepfe_[spalte], {name});
    for (size_t i = 0; i < bericht_.pakete.size(); ++i) {
        const Alternative& a = bericht_.pakete[i];
        const Berechnungsergebnis& e = a.ergebnis;
        Grenze bindend = Grenze::Flaechenreserve;
        for (const Paketgrenze& g : a.grenzen)
            if (g.bindend) bindend = g.grenze;
        std::string nr = std::to_string(i + 1);
        if (i == 0) nr += " (" + text(sprache, "ergebnis") + ")";
        zellen_.push_back({{nr, static_cast<double>(i)},
                           {preisText(e, sprache), e.grundpreis},
                           {e.plattentypName, 0.0},
                           zahl(e.spaltenGesamt + 1, "%.0f"),
                           zahl(e.serien, "%.0f"),
                           zahl(e.flaechenreserve, "%.1f"),
                           zahl(u.zahl(Grenze::DruckverlustWarm, e.druckverlustWarm), "%.1f"),
                           zahl(u.zahl(Grenze::DruckverlustKalt, e.druckverlustKalt), "%.1f"),
                           {grenzText(sprache, bindend), 0.0},
                           zahl(u.flaecheZahl(e.flaeche), "%.2f"),
                           {spalttypen(data, e.spalttypenWarm), 0.0},
                           {spalttypen(data, e.spalttypenKalt), 0.0},
                           zahl(u.gewichtZahl(e.gewicht), "%.0f"),
                           zahl(e.lieferzeit, "%.0f")});
        reihenfolge_.push_back(static_cast<int>(i));
    }
    Form& f = form();
    f.setText(alt::LabelGrenzen, text(sprache, "grenzenTitel"));
    f.setText(alt::LabelGruende, text(sprache, "gruendeTitel"));
    f.setText(alt::Uebernehmen, text(sprache, "uebernehmen"));
    f.setText(alt::Schliessen, text(sprache, "schliessen"));
    f.setText(alt::AchseReserve, text(sprache, "achseReserve"));
    f.setText(alt::AchseDruck, text(sprache, "achseDruck"));
    f.setKind(ControlKind::Radio, {alt::AchseReserve, alt::AchseDruck});
    f.setChecked(alt::AchseReserve, true);
    const bool pakete = !bericht_.pakete.empty();
    for (int id : {alt::Tabelle, alt::LabelGrenzen, alt::Grenzen, alt::Uebernehmen,
                   alt::AchseReserve, alt::AchseDruck})
        f.setVisible(id, pakete);
    for (int id : {alt::LabelGruende, alt::Gruende}) f.setVisible(id, !pakete);
    std::string gruende;
    if (bericht_.nichtsBewertet) gruende = text(sprache, "nichtsBewertet") + "\n";
    for (const Grund& g : bericht_.gruende) gruende += grundText(sprache, g, u) + "\n";
    if (bericht_.aenderung) gruende += "\n" + aenderungText(sprache, *bericht_.aenderung, u) + "\n";
    f.setText(alt::Gruende, gruende);
    waehlen(pakete ? 0 : -1);
}

const AlternativenDlgModel::Zelle& AlternativenDlgModel::zelle(int zeile, int spalte) const {
    return zellen_.at(static_cast<size_t>(paket(zeile))).at(static_cast<size_t>(spalte));
}

void AlternativenDlgModel::sortieren(int spalte) {
    if (spalte < 0 || spalte >= kSpalten) return;
    const int gewaehltesPaket = gewaehlt_ >= 0 ? paket(gewaehlt_) : -1;
    absteigend_ = spalte == sortSpalte_ && !absteigend_;
    sortSpalte_ = spalte;
    const bool textSpalte = spalte == Typ || spalte == Bindend || spalte == Warm || spalte == Kalt;
    std::stable_sort(reihenfolge_.begin(), reihenfolge_.end(), [&](int a, int b) {
        const Zelle& x = zellen_[static_cast<size_t>(a)][static_cast<size_t>(spalte)];
        const Zelle& y = zellen_[static_cast<size_t>(b)][static_cast<size_t>(spalte)];
        if (absteigend_) return textSpalte ? y.text < x.text : y.wert < x.wert;
        return textSpalte ? x.text < y.text : x.wert < y.wert;
    });
    // the selection stays on its pack
    for (int z = 0; z < zeilen(); ++z)
        if (paket(z) == gewaehltesPaket) gewaehlt_ = z;
}

void AlternativenDlgModel::waehlen(int zeile) {
    gewaehlt_ = zeile >= 0 && zeile < zeilen() ? zeile : -1;
    form().setEnabled(alt::Uebernehmen, gewaehlt_ >= 0);
}

std::vector<AlternativenDlgModel::Grenzzeile> AlternativenDlgModel::grenzZeilen() const {
    std::vector<Grenzzeile> z;
    if (gewaehlt_ < 0) return z;
    for (const Paketgrenze& g : bericht_.pakete[static_cast<size_t>(paket(gewaehlt_))].grenzen)
        z.push_back({grenzText(sprache_, g.grenze), grenzZahl(g.grenze, g.wert, bericht_.einheiten),
                     grenzZahl(g.grenze, g.erlaubt, bericht_.einheiten),
                     formatiere("%.1f %%", 100.0 * g.abstand), g.bindend});
    return z;
}

std::vector<std::string> AlternativenDlgModel::grenzKoepfe() const {
    return {text(sprache_, "spalteGrenze"), text(sprache_, "spalteWert"),
            text(sprache_, "spalteErlaubt"), text(sprache_, "spalteAbstand")};
}

std::vector<AlternativenDlgModel::Diagrammpunkt> AlternativenDlgModel::diagramm() const {
    std::vector<Diagrammpunkt> d;
    const bool druck = achseDruck();
    for (int z = 0; z < zeilen(); ++z) {
        const Alternative& a = bericht_.pakete[static_cast<size_t>(paket(z))];
        const double preis = a.ergebnis.customPreis;
        if (!(preis > 0 && preis < kKeinPreis)) continue;
        const auto& g = a.grenzen;
        const double x =
            druck ? 100.0 * std::min(g[static_cast<size_t>(Grenze::DruckverlustWarm)].abstand,
                                     g[static_cast<size_t>(Grenze::DruckverlustKalt)].abstand)
                  : a.ergebnis.flaechenreserve;
        d.push_back({x, preis, z, istErgebnis(z), z == gewaehlt_});
    }
    return d;
}

std::string AlternativenDlgModel::diagrammAchse() const {
    return text(sprache_, achseDruck() ? "achseTitelDruck" : "achseTitelReserve");
}

std::string AlternativenDlgModel::fenstertext(const char* key) const { return text(sprache_, key); }

std::string AlternativenDlgModel::diagrammPreisAchse() const {
    return koepfe_[Preis] + " (" + sprache_.GetValue("unit", "waehrung", "") + ")";
}

void AlternativenDlgModel::geklickt(int id) {
    if (id == alt::AchseReserve || id == alt::AchseDruck) {
        form().setChecked(alt::AchseReserve, id == alt::AchseReserve);
        form().setChecked(alt::AchseDruck, id == alt::AchseDruck);
        return;
    }
    if (id == alt::Uebernehmen && gewaehlt_ >= 0) {
        uebernommen_ = paket(gewaehlt_);
        close(1);
    } else if (id == alt::Schliessen) {
        close(2);
    }
}

void paketUebernehmen(CBerechnungDlg& d, const Berechnungsergebnis& e) {
    using namespace hd;
    if (d.getModus() != 1) d.modusWechseln(1);
    Form& f = d.form();
    f.select(Plattentyp, f.findValue(Plattentyp, e.plattentyp));
    f.setText(Serien, std::to_string(e.serien));
    d.spalttypenNeuFuellen();  // the channel types the plate type permits
    const int paare[2][2] = {{Anzahl1, Spalttyp1}, {Anzahl2, Spalttyp2}};
    for (size_t i = 0; i < 2; ++i) {
        const SpalttypAnzahl& p = e.spalttypenWarm[i];
        const bool da = p.spalttyp >= 0 && p.anzahl > 0;
        f.setText(paare[i][0], da ? std::to_string(p.anzahl) : "");
        f.select(paare[i][1], da ? f.findValue(paare[i][1], p.spalttyp) : -1);
    }
    f.setText(Spalten, std::to_string(e.spaltenGesamt / 2));
    d.ergebnisZuruecksetzen();
}

}  // namespace kal
