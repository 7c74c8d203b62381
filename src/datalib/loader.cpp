// Reads the data directory: one JSON file per list. Every value is checked
// before it goes into a record; a bad file leaves its list empty and adds
// "file: id N: field: problem" to the failures.
#include <cmath>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>

#include "datalib/data.h"

using nlohmann::json;

namespace {

struct Fehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Context of the entry being read, for the messages.
struct Ort {
    std::string datei;
    long id = -1;
    [[noreturn]] void fehler(const std::string& feld, const std::string& text) const {
        std::string s = datei + ": ";
        if (id >= 0) s += "id " + std::to_string(id) + ": ";
        throw Fehler(s + feld + ": " + text);
    }
};

const json& feld(const Ort& o, const json& j, const char* name) {
    if (!j.is_object()) o.fehler(name, "entry is not an object");
    auto it = j.find(name);
    if (it == j.end()) o.fehler(name, "missing");
    return *it;
}

double zahl(const Ort& o, const json& j, const char* name, double min = -1e300,
            double max = 1e300) {
    const json& v = feld(o, j, name);
    if (!v.is_number()) o.fehler(name, "not a number");
    double d = v.get<double>();
    if (!std::isfinite(d)) o.fehler(name, "not finite");
    if (d < min || d > max) o.fehler(name, "out of range");
    return d;
}

int ganz(const Ort& o, const json& j, const char* name, long min = -1000000000L,
         long max = 1000000000L) {
    const json& v = feld(o, j, name);
    if (!v.is_number_integer()) o.fehler(name, "not an integer");
    long long d = v.get<long long>();
    if (d < min || d > max) o.fehler(name, "out of range");
    return static_cast<int>(d);
}

bool wahr(const Ort& o, const json& j, const char* name) {
    const json& v = feld(o, j, name);
    if (!v.is_boolean()) o.fehler(name, "not true/false");
    return v.get<bool>();
}

std::string text(const Ort& o, const json& j, const char* name) {
    const json& v = feld(o, j, name);
    if (!v.is_string()) o.fehler(name, "not a text");
    return v.get<std::string>();
}

const json& feldListe(const Ort& o, const json& j, const char* name) {
    const json& v = feld(o, j, name);
    if (!v.is_array()) o.fehler(name, "not a list");
    return v;
}

// The numbers of the list `liste` (field `name` of the entry).
std::vector<double> zahlenAus(const Ort& o, const json& liste, const char* name,
                              double min = -1e300) {
    if (!liste.is_array()) o.fehler(name, "not a list");
    std::vector<double> r;
    for (const json& v : liste) {
        if (!v.is_number()) o.fehler(name, "element not a number");
        double d = v.get<double>();
        if (!std::isfinite(d) || d < min) o.fehler(name, "element out of range");
        r.push_back(d);
    }
    return r;
}

std::vector<double> zahlen(const Ort& o, const json& j, const char* name, double min = -1e300) {
    return zahlenAus(o, feld(o, j, name), name, min);
}

std::vector<int> ganze(const Ort& o, const json& j, const char* name) {
    std::vector<int> r;
    for (const json& v : feldListe(o, j, name)) {
        if (!v.is_number_integer()) o.fehler(name, "element not an integer");
        long long d = v.get<long long>();
        if (d < -1000000000LL || d > 1000000000LL) o.fehler(name, "element out of range");
        r.push_back(static_cast<int>(d));
    }
    return r;
}

template <size_t N, class T>
std::array<T, N> feste(const Ort& o, const std::vector<T>& v, const char* name) {
    if (v.size() != N) o.fehler(name, "needs " + std::to_string(N) + " values");
    std::array<T, N> a{};
    for (size_t i = 0; i < N; ++i) a[i] = v[i];
    return a;
}

// Entry list of a file: {"<key>": [ {...,"id":n}, ... ]}, ids unique and > 0.
template <class F>
void eintraege(Ort& o, const json& root, const char* key, F&& lies) {
    Ort top{o.datei, -1};
    const json& liste = feldListe(top, root, key);
    std::set<int> ids;
    for (const json& e : liste) {
        o.id = -1;
        int id = ganz(o, e, "id", 1);
        o.id = id;
        if (!ids.insert(id).second) o.fehler("id", "duplicate");
        lies(e, id);
    }
    o.id = -1;
}

void aufsteigend(const Ort& o, const std::vector<double>& v, const char* name) {
    for (size_t i = 1; i < v.size(); ++i)
        if (!(v[i] > v[i - 1])) o.fehler(name, "not strictly ascending");
}

json leseDatei(const std::string& pfad, const Ort& o) {
    std::ifstream in(pfad, std::ios::binary);
    if (!in) o.fehler("file", "cannot be read");
    json j = json::parse(in, nullptr, false);
    if (j.is_discarded()) o.fehler("file", "not valid JSON");
    if (!j.is_object()) o.fehler("file", "top level is not an object");
    return j;
}

// Reads the files into the lists of one Data; each list through its own
// member, in the order the checks between the lists need.
class DatenLader {
public:
    DatenLader(Data& d, const std::string& verzeichnis)
        : einheiten_(d.getEinheitenGruppeListe()),
          stoffe_(d.getStoffdatenListe()),
          spalttypen_(d.getSpalttypListe()),
          plattenmaterial_(d.getMaterialPlatteAListe()),
          dichtungen_(d.getDichtungAListe()),
          gestellmaterial_(d.getMaterialGestellUListe()),
          druckstufen_(d.getDruckstufeAListe()),
          plattentypA_(d.getPlattentypAListe()),
          laengen_(d.getLaengenzuschlagListe()),
          plattentypU_(d.getPlattentypUListe()),
          plattentypC_(d.getPlattentypCListe()),
          anschluesse_(d.getAnschlussUListe()),
          global_(d.getGlobaleParameter()) {
        // The application passes "<appdir>\\data\\" as on its original platform.
        dir_ = verzeichnis;
        for (char& c : dir_)
            if (c == '\\') c = '/';
        if (!dir_.empty() && dir_.back() != '/') dir_ += '/';
    }

    // Every file; the failures as "file: id N: field: problem".
    std::vector<std::string> allesLesen() {
        datei("einheiten.json", &DatenLader::einheiten, [&] { einheiten_.leeren(); });
        datei("stoffe.json", &DatenLader::stoffe, [&] { stoffe_.leeren(); });
        datei("spalttypen.json", &DatenLader::spalttypen, [&] { spalttypen_.leeren(); });
        datei("plattenmaterial.json", &DatenLader::plattenmaterial,
              [&] { plattenmaterial_.leeren(); });
        datei("dichtungen.json", &DatenLader::dichtungen, [&] { dichtungen_.leeren(); });
        datei("gestellmaterial.json", &DatenLader::gestellmaterial,
              [&] { gestellmaterial_.leeren(); });
        datei("druckstufen.json", &DatenLader::druckstufen, [&] { druckstufen_.leeren(); });
        datei("plattentypen.json", &DatenLader::plattentypen, [&] { plattentypA_.leeren(); });
        datei("laengenzuschlaege.json", &DatenLader::laengenzuschlaege, [&] { laengen_.leeren(); });
        datei("plattentyppreise.json", &DatenLader::plattentyppreise,
              [&] { plattentypU_.leeren(); });
        datei("kundenpreise.json", &DatenLader::kundenpreise, [&] { plattentypC_.leeren(); });
        datei("anschluesse.json", &DatenLader::anschluesse, [&] { anschluesse_.leeren(); });
        datei("global.json", &DatenLader::global, [&] { global_ = GlobaleParameter{}; });
        return fehler_;
    }

private:
    using Leser = void (DatenLader::*)(Ort&, const json&);

    // Reads one file; on failure the list is emptied again and the message kept.
    void datei(const char* name, Leser lies, const std::function<void()>& leeren) {
        Ort o{name, -1};
        try {
            json j = leseDatei(dir_ + name, o);
            (this->*lies)(o, j);
        } catch (const Fehler& f) {
            leeren();
            fehler_.push_back(f.what());
        } catch (const std::exception& e) {
            leeren();
            fehler_.push_back(std::string(name) + ": " + e.what());
        }
    }

    // Unit groups; the list position is the group index (einheitengruppe).
    void einheiten(Ort& o, const json& j) {
        eintraege(o, j, "einheitengruppen", [&](const json& e, int id) {
            EinheitenGruppe g;
            g.objectId = id;
            g.name = text(o, e, "name");
            std::set<int> uids;
            for (const json& u : feldListe(o, e, "einheiten")) {
                Einheit x;
                x.objectId = ganz(o, u, "id", 1);
                if (!uids.insert(x.objectId).second) o.fehler("einheiten.id", "duplicate");
                x.name = text(o, u, "name");
                x.faktor = zahl(o, u, "faktor");
                if (x.faktor == 0.0) o.fehler("einheiten.faktor", "zero");
                x.offset = zahl(o, u, "offset");
                g.einheiten.push_back(x);
            }
            if (g.einheiten.empty()) o.fehler("einheiten", "empty");
            g.anzeigeSI = ganz(o, e, "anzeigeSI");
            g.anzeigeUS = ganz(o, e, "anzeigeUS");
            if (!g.getForObjectId(g.anzeigeSI)) o.fehler("anzeigeSI", "unknown unit");
            if (!g.getForObjectId(g.anzeigeUS)) o.fehler("anzeigeUS", "unknown unit");
            einheiten_.hinzufuegen(std::move(g));
        });
        if (einheiten_.getSize() < einheitengruppe::Anzahl)
            o.fehler("einheitengruppen", "needs 17 groups");
    }

    // Fluids: property tables over ascending temperatures (a gas's also over
    // pressure), their provenance; a condensing fluid names its condensate.
    void stoffe(Ort& o, const json& j) {
        eintraege(o, j, "stoffe", [&](const json& e, int id) {
            Stoffdaten s;
            s.objectId = id;
            s.name = text(o, e, "name");
            s.gas = wahr(o, e, "gas");
            s.kondensation = wahr(o, e, "kondensation");
            s.warmZulaessig = wahr(o, e, "warmZulaessig");
            s.kaltZulaessig = wahr(o, e, "kaltZulaessig");
            s.nurTitan = wahr(o, e, "nurTitan");
            s.tMin = zahl(o, e, "tMin", -273.15);
            s.tMax = zahl(o, e, "tMax", s.tMin);
            s.bezugsdruck = zahl(o, e, "bezugsdruck", 1e-6);
            s.codeKondensat = ganz(o, e, "codeKondensat", -1);
            herkunftLesen(o, e, s);
            s.temperatur = zahlen(o, e, "temperatur", -273.15);
            if (s.temperatur.size() < 2) o.fehler("temperatur", "needs two values or more");
            aufsteigend(o, s.temperatur, "temperatur");
            if (s.tMin < s.temperatur.front() || s.tMax > s.temperatur.back())
                o.fehler("tMin", "valid range outside the table");
            if (e.is_object() && e.contains("druck")) {
                if (!s.gas || s.kondensation)
                    o.fehler("druck", "pressure tables only for a gas that does not condense");
                s.druck = zahlen(o, e, "druck", 1e-6);
                if (s.druck.empty()) o.fehler("druck", "empty");
                if (s.druck.front() <= 0.0) o.fehler("druck", "element out of range");
                aufsteigend(o, s.druck, "druck");
                gasphaseLesen(o, e, s);
            }
            auto spalte = [&](const char* n, std::vector<double>& v) {
                if (s.druck.empty()) {
                    v = zahlen(o, e, n);
                    if (v.size() != s.temperatur.size())
                        o.fehler(n, "length differs from temperatur");
                } else {
                    const json& zeilen = feldListe(o, e, n);
                    if (zeilen.size() != s.druck.size()) o.fehler(n, "needs one row per druck");
                    v.clear();
                    for (const json& z : zeilen) {
                        const std::vector<double> w = zahlenAus(o, z, n);
                        if (w.size() != s.temperatur.size())
                            o.fehler(n, "row length differs from temperatur");
                        v.insert(v.end(), w.begin(), w.end());
                    }
                }
                for (double d : v)
                    if (!(d > 0.0)) o.fehler(n, "value not positive");
            };
            spalte("dichte", s.dichte);
            spalte("waermekapazitaet", s.waermekapazitaet);
            spalte("viskositaet", s.viskositaet);
            spalte("waermeleitfaehigkeit", s.waermeleitfaehigkeit);
            if (s.kondensation) {
                spalte("kondensationsenthalpie", s.kondensationsenthalpie);
                spalte("dampfdruck", s.dampfdruck);
                aufsteigend(o, s.dampfdruck, "dampfdruck");
                if (s.codeKondensat < 0) o.fehler("codeKondensat", "missing condensate");
            }
            stoffe_.hinzufuegen(std::move(s));
        });
        for (const auto& s : stoffe_.alle()) {
            o.id = s.objectId;
            if (s.kondensation) {
                const Stoffdaten* k = stoffe_.internalGetAt(s.codeKondensat);
                if (!k) o.fehler("codeKondensat", "no fluid at this position");
                if (k->kondensation) o.fehler("codeKondensat", "condensate condenses");
            }
        }
    }

    // What the values describe and the source of every property they hold.
    static void herkunftLesen(const Ort& o, const json& e, Stoffdaten& s) {
        s.basis = text(o, e, "basis");
        if (s.basis.empty()) o.fehler("basis", "empty");
        const json& q = feld(o, e, "quellen");
        if (!q.is_object()) o.fehler("quellen", "not an object");
        std::vector<const char*> groessen = {"dichte", "waermekapazitaet", "viskositaet",
                                             "waermeleitfaehigkeit"};
        if (s.kondensation) {
            groessen.push_back("dampfdruck");
            groessen.push_back("kondensationsenthalpie");
        }
        for (const char* g : groessen) {
            const std::string name = std::string("quellen.") + g;
            const auto it = q.find(g);
            if (it == q.end()) o.fehler(name, "missing");
            if (!it->is_string() || it->get<std::string>().empty()) o.fehler(name, "not a text");
            s.quellen[g] = it->get<std::string>();
        }
    }

    // The critical point and the dew line the phase check of a gas needs.
    static void gasphaseLesen(const Ort& o, const json& e, Stoffdaten& s) {
        const json& k = feld(o, e, "kritisch");
        s.kritischeTemperatur = zahl(o, k, "temperatur", -273.15);
        s.kritischerDruck = zahl(o, k, "druck", 1e-6);
        s.kritischeDichte = zahl(o, k, "dichte", 1e-6);
        if (!e.contains("taupunkt")) return;
        const json& t = feld(o, e, "taupunkt");
        s.taupunktTemperatur = zahlen(o, t, "temperatur", -273.15);
        s.taupunktDruck = zahlen(o, t, "druck", 1e-6);
        if (s.taupunktDruck.size() < 2 || s.taupunktDruck.size() != s.taupunktTemperatur.size())
            o.fehler("taupunkt", "needs two (temperatur, druck) pairs or more");
        aufsteigend(o, s.taupunktTemperatur, "taupunkt.temperatur");
        aufsteigend(o, s.taupunktDruck, "taupunkt.druck");
        if (s.taupunktDruck.back() > s.kritischerDruck * (1 + 1e-9))
            o.fehler("taupunkt.druck", "above the critical pressure");
    }

    // The nine channel types with their correlation tables per wave angle.
    void spalttypen(Ort& o, const json& j) {
        eintraege(o, j, "spalttypen", [&](const json& e, int id) {
            Spalttyp s;
            s.objectId = id;
            s.name = text(o, e, "name");
            s.zweiteSeite = feste<kAnzahlSpalttypen>(o, ganze(o, e, "zweiteSeite"), "zweiteSeite");
            for (int v : s.zweiteSeite)
                if (v < 0 || v >= kAnzahlSpalttypen)
                    o.fehler("zweiteSeite", "not a channel type position 0..8");
            s.weitermischenNichtOk = feste<kAnzahlSpalttypen>(
                o, ganze(o, e, "weitermischenNichtOk"), "weitermischenNichtOk");
            for (const json& t : feldListe(o, e, "tabellen")) {
                int ww = ganz(o, t, "wellenwinkel", 0, 90);
                if (s.tabellen.count(ww)) o.fehler("tabellen.wellenwinkel", "duplicate");
                SpalttypKorrelation k;
                k.quelle = text(o, t, "quelle");
                k.basis = text(o, t, "basis");
                if (k.quelle.empty() || k.basis.empty())
                    o.fehler("tabellen.quelle", "source or basis empty");
                const auto re = feste<2>(o, zahlen(o, t, "reGueltig", 1e-9), "reGueltig");
                if (!(re[0] < re[1])) o.fehler("reGueltig", "lower bound not below the upper");
                k.stroemungswinkel = zahl(o, t, "stroemungswinkel", 0.0, 90.0);
                k.reMin = re[0];
                k.reMax = re[1];
                k.alphaReGrenze = feste<SpalttypKorrelation::kWerte>(
                    o, zahlen(o, t, "alphaReGrenze", 0.0), "alphaReGrenze");
                k.alphaFaktor = feste<SpalttypKorrelation::kWerte>(
                    o, zahlen(o, t, "alphaFaktor", 0.0), "alphaFaktor");
                k.alphaExp =
                    feste<SpalttypKorrelation::kWerte>(o, zahlen(o, t, "alphaExp"), "alphaExp");
                k.druckReGrenze = feste<SpalttypKorrelation::kWerte>(
                    o, zahlen(o, t, "druckReGrenze", 0.0), "druckReGrenze");
                k.druckFaktor = feste<SpalttypKorrelation::kWerte>(
                    o, zahlen(o, t, "druckFaktor", 0.0), "druckFaktor");
                k.druckExp =
                    feste<SpalttypKorrelation::kWerte>(o, zahlen(o, t, "druckExp"), "druckExp");
                // range bounds 0..3 must not rise (range 0 is the highest Re)
                for (size_t i = 1; i < SpalttypKorrelation::kReGrenzen; ++i) {
                    if (k.alphaReGrenze[i] > k.alphaReGrenze[i - 1])
                        o.fehler("alphaReGrenze", "bounds 0..3 not descending");
                    if (k.druckReGrenze[i] > k.druckReGrenze[i - 1] && k.druckReGrenze[i - 1] > 0)
                        o.fehler("druckReGrenze", "bounds 0..3 not descending");
                }
                s.tabellen.emplace(ww, k);
            }
            if (s.tabellen.empty()) o.fehler("tabellen", "empty");
            spalttypen_.hinzufuegen(std::move(s));
        });
        if (spalttypen_.getSize() != kAnzahlSpalttypen)
            o.fehler("spalttypen", "needs exactly 9 channel types");
    }

    void plattenmaterial(Ort& o, const json& j) {
        eintraege(o, j, "plattenmaterial", [&](const json& e, int id) {
            MaterialPlatteA m;
            m.objectId = id;
            m.name = text(o, e, "name");
            m.code = text(o, e, "code");
            m.zulaessig = wahr(o, e, "zulaessig");
            m.lambda = zahl(o, e, "lambda", 0.1, 1000.0);
            plattenmaterial_.hinzufuegen(std::move(m));
        });
    }

    void dichtungen(Ort& o, const json& j) {
        eintraege(o, j, "dichtungen", [&](const json& e, int id) {
            DichtungA d;
            d.objectId = id;
            d.name = text(o, e, "name");
            d.code = text(o, e, "code");
            d.maxTemp = zahl(o, e, "maxTemp", -273.15, 1000.0);
            d.aktiv = wahr(o, e, "aktiv");
            dichtungen_.hinzufuegen(std::move(d));
        });
    }

    void gestellmaterial(Ort& o, const json& j) {
        eintraege(o, j, "gestellmaterial", [&](const json& e, int id) {
            MaterialGestellU g;
            g.objectId = id;
            g.name = text(o, e, "name");
            gestellmaterial_.hinzufuegen(std::move(g));
        });
    }

    void druckstufen(Ort& o, const json& j) {
        eintraege(o, j, "druckstufen", [&](const json& e, int id) {
            DruckstufeA d;
            d.objectId = id;
            d.druck = ganz(o, e, "druck", 1, 1000);
            druckstufen_.hinzufuegen(d);
        });
    }

    // Plate types: geometry and the plate data per material and pressure stage.
    void plattentypen(Ort& o, const json& j) {
        eintraege(o, j, "plattentypen", [&](const json& e, int id) {
            PlattentypA p;
            p.objectId = id;
            p.name = text(o, e, "name");
            p.reihenfolge = ganz(o, e, "reihenfolge", 0);
            p.maxSpalte = ganz(o, e, "maxSpalte", 1, 100000);
            p.sicherheitsplatte = wahr(o, e, "sicherheitsplatte");
            p.wellenwinkel =
                feste<kAnzahlSpalttypen>(o, ganze(o, e, "wellenwinkel"), "wellenwinkel");
            p.flaeche = feste<kAnzahlSpalttypen>(o, zahlen(o, e, "flaeche", 1e-6), "flaeche");
            p.querSpalt = feste<kAnzahlSpalttypen>(o, zahlen(o, e, "querSpalt", 1e-9), "querSpalt");
            p.inhalt = feste<kAnzahlSpalttypen>(o, zahlen(o, e, "inhalt", 0.0), "inhalt");
            p.dhSpalt = zahl(o, e, "dhSpalt", 1e-5, 1.0);
            p.dhKanal = zahl(o, e, "dhKanal", 1e-3, 5.0);
            p.querKanal = zahl(o, e, "querKanal", 1e-6, 20.0);
            p.laengeSpalt = zahl(o, e, "laengeSpalt", 1e-3, 20.0);
            p.trevanberechnung = wahr(o, e, "trevanberechnung");
            p.alfaOptimierung = wahr(o, e, "alfaOptimierung");
            p.entleerungEntlueftung = wahr(o, e, "entleerungEntlueftung");
            p.endplatte = ganz(o, e, "endplatte", 0);
            for (const json& d : feldListe(o, e, "platten")) {
                MaterialDruck k = materialDruck(o, d);
                PlattenDaten pd;
                pd.dicke = zahl(o, d, "dicke", 1e-5, 0.1);
                pd.gewicht = zahl(o, d, "gewicht", 0.0);
                pd.spalttypZulaessig = feste<kAnzahlSpalttypen>(o, ganze(o, d, "spalttypZulaessig"),
                                                                "spalttypZulaessig");
                if (!p.platten.emplace(k, pd).second)
                    o.fehler("platten", "duplicate material/stage");
            }
            if (p.platten.empty()) o.fehler("platten", "empty");
            for (int t = 0; t < kAnzahlSpalttypen; ++t) {
                int ww = p.wellenwinkel[static_cast<size_t>(t)];
                if (spalttypen_.getSize() == kAnzahlSpalttypen &&
                    !spalttypen_.internalGetAt(t)->korrelation(ww))
                    o.fehler("wellenwinkel", "channel type " + std::to_string(t) +
                                                 " has no table for angle " + std::to_string(ww));
            }
            plattentypA_.hinzufuegen(std::move(p));
        });
    }

    // Frame length classes per plate type.
    void laengenzuschlaege(Ort& o, const json& j) {
        eintraege(o, j, "laengenzuschlaege", [&](const json& e, int id) {
            Laengenzuschlag l;
            l.objectId = id;
            l.name = text(o, e, "name");
            l.plattentyp = ganz(o, e, "plattentyp");
            if (plattentypA_.getSize() && plattentypA_.getIndexForObjectId(l.plattentyp) < 0)
                o.fehler("plattentyp", "unknown plate type");
            l.maxPlatten = ganz(o, e, "maxPlatten", 1);
            laengen_.hinzufuegen(std::move(l));
        });
    }

    // List prices, frames, delivery times and accessories (PlattentypU).
    void plattentyppreise(Ort& o, const json& j) {
        eintraege(o, j, "plattentyppreise", [&](const json& e, int id) {
            plattentypBekannt(o, id);
            PlattentypU u;
            u.objectId = id;
            preiseLesen(o, e, u);
            u.zulaessig = wahr(o, e, "zulaessig");
            u.dichtungen = ganze(o, e, "dichtungen");
            for (int d : u.dichtungen)
                if (dichtungen_.getSize() && dichtungen_.getIndexForObjectId(d) < 0)
                    o.fehler("dichtungen", "unknown gasket");
            for (const json& x : feldListe(o, e, "plattenLieferzeit"))
                u.plattenLieferzeit[materialDruck(o, x)] = ganz(o, x, "lieferzeit", 0, 520);
            for (const json& x : feldListe(o, e, "dichtungLieferzeit"))
                u.dichtungLieferzeit[ganz(o, x, "dichtung")] = ganz(o, x, "lieferzeit", 0, 520);
            for (const json& x : feldListe(o, e, "zubehoer")) {
                int l = ganz(o, x, "laengenzuschlag");
                u.waermeisolierungPreis[l] = zahl(o, x, "waermeisolierungPreis", 0.0);
                u.spritzschutzPreis[l] = zahl(o, x, "spritzschutzPreis", 0.0);
                u.waermeisolierungLieferzeit[l] = ganz(o, x, "waermeisolierungLieferzeit", 0, 520);
                u.spritzschutzLieferzeit[l] = ganz(o, x, "spritzschutzLieferzeit", 0, 520);
            }
            u.sonderlackierungPreis = zahl(o, e, "sonderlackierungPreis", 0.0);
            u.sonderlackierungLieferzeit = ganz(o, e, "sonderlackierungLieferzeit", 0, 520);
            plattentypU_.hinzufuegen(std::move(u));
        });
    }

    // Customer prices (PlattentypC), where the customer has any.
    void kundenpreise(Ort& o, const json& j) {
        eintraege(o, j, "kundenpreise", [&](const json& e, int id) {
            plattentypBekannt(o, id);
            PlattentypC c;
            c.objectId = id;
            preiseLesen(o, e, c);
            plattentypC_.hinzufuegen(std::move(c));
        });
    }

    void anschluesse(Ort& o, const json& j) {
        eintraege(o, j, "anschluesse", [&](const json& e, int id) {
            AnschlussU a;
            a.objectId = id;
            a.art = text(o, e, "art");
            a.material = text(o, e, "material");
            a.bemerkung = text(o, e, "bemerkung");
            a.nomDurchmesser = text(o, e, "nomDurchmesser");
            a.zulaessig = wahr(o, e, "zulaessig");
            a.din = wahr(o, e, "din");
            a.einweg = wahr(o, e, "einweg");
            a.mehrweg = wahr(o, e, "mehrweg");
            a.druckstufen = ganze(o, e, "druckstufen");
            a.plattentypen = ganze(o, e, "plattentypen");
            for (int ds : a.druckstufen)
                if (druckstufen_.getSize() && druckstufen_.getIndexForObjectId(ds) < 0)
                    o.fehler("druckstufen", "unknown pressure stage");
            for (int p : a.plattentypen)
                if (plattentypA_.getSize() && plattentypA_.getIndexForObjectId(p) < 0)
                    o.fehler("plattentypen", "unknown plate type");
            a.freierQuerschnitt = zahl(o, e, "freierQuerschnitt", 1e-6);
            a.lieferzeit = ganz(o, e, "lieferzeit", 0, 520);
            a.preis = zahl(o, e, "preis", 0.0);
            anschluesse_.hinzufuegen(std::move(a));
        });
    }

    void global(Ort& o, const json& j) {
        const json& g = feld(o, j, "global");
        GlobaleParameter p;
        p.maxSpalt = zahl(o, g, "maxSpalt", 0.0);
        p.minSpalt = zahl(o, g, "minSpalt", 0.0, p.maxSpalt);
        p.maxSpaltGas = zahl(o, g, "maxSpaltGas", 0.0);
        p.minSpaltGas = zahl(o, g, "minSpaltGas", 0.0, p.maxSpaltGas);
        p.maxEintritt = zahl(o, g, "maxEintritt", 0.0);
        p.maxEintrittGas = zahl(o, g, "maxEintrittGas", 0.0);
        p.luftspalt = zahl(o, g, "luftspalt", 0.0, 0.01);
        global_ = p;
    }

    MaterialDruck materialDruck(const Ort& o, const json& e) const {
        MaterialDruck k;
        k.material = ganz(o, e, "material");
        k.druckstufe = ganz(o, e, "druckstufe");
        if (plattenmaterial_.getSize() && plattenmaterial_.getIndexForObjectId(k.material) < 0)
            o.fehler("material", "unknown plate material");
        if (druckstufen_.getSize() && druckstufen_.getIndexForObjectId(k.druckstufe) < 0)
            o.fehler("druckstufe", "unknown pressure stage");
        return k;
    }

    // Prices shared by list and customer prices.
    void preiseLesen(const Ort& o, const json& e, PlattentypPreise& p) const {
        for (const json& x : feldListe(o, e, "plattenPreis"))
            p.plattenPreis[materialDruck(o, x)] = zahl(o, x, "preis", 0.0);
        for (const json& x : feldListe(o, e, "dichtungPreis")) {
            int d = ganz(o, x, "dichtung");
            if (dichtungen_.getSize() && dichtungen_.getIndexForObjectId(d) < 0)
                o.fehler("dichtungPreis.dichtung", "unknown gasket");
            p.dichtungPreis[d] = zahl(o, x, "preis", 0.0);
        }
        for (const json& x : feldListe(o, e, "gestelle")) {
            GestellSchluessel k;
            k.gestell = ganz(o, x, "gestell");
            k.druckstufe = ganz(o, x, "druckstufe");
            k.variante = ganz(o, x, "variante", 0, 1);
            if (gestellmaterial_.getSize() && gestellmaterial_.getIndexForObjectId(k.gestell) < 0)
                o.fehler("gestelle.gestell", "unknown frame material");
            GestellDaten g;
            g.grundpreis = zahl(o, x, "grundpreis", 0.0);
            g.wegeAufschlag = zahl(o, x, "wegeAufschlag", 0.0);
            g.grundgewicht = zahl(o, x, "grundgewicht", 0.0);
            g.lieferzeit = ganz(o, x, "lieferzeit", 0, 520);
            g.hoehe = zahl(o, x, "hoehe", 0.0);
            g.breite = zahl(o, x, "breite", 0.0);
            g.stutzenabstandHorizontal = zahl(o, x, "stutzenabstandHorizontal", 0.0);
            g.stutzenabstandVertikal = zahl(o, x, "stutzenabstandVertikal", 0.0);
            for (const json& z : feldListe(o, x, "zuschlaege")) {
                int l = ganz(o, z, "laengenzuschlag");
                if (laengen_.getSize() && laengen_.getIndexForObjectId(l) < 0)
                    o.fehler("zuschlaege.laengenzuschlag", "unknown length class");
                g.preisZuschlag[l] = zahl(o, z, "preis", 0.0);
                g.gewichtZuschlag[l] = zahl(o, z, "gewicht", 0.0);
                g.lieferzeitZuschlag[l] = ganz(o, z, "lieferzeit", 0, 520);
                g.laengeTotal[l] = zahl(o, z, "laengeTotal", 0.0);
            }
            if (!p.gestelle.emplace(k, g).second) o.fehler("gestelle", "duplicate frame key");
        }
    }

    void plattentypBekannt(const Ort& o, int id) const {
        if (plattentypA_.getSize() && plattentypA_.getIndexForObjectId(id) < 0)
            o.fehler("id", "no plate type with this id");
    }

    std::string dir_;
    std::vector<std::string> fehler_;
    EinheitenGruppeListe& einheiten_;
    StoffdatenListe& stoffe_;
    SpalttypListe& spalttypen_;
    MaterialPlatteAListe& plattenmaterial_;
    DichtungAListe& dichtungen_;
    MaterialGestellUListe& gestellmaterial_;
    DruckstufeAListe& druckstufen_;
    PlattentypAListe& plattentypA_;
    LaengenzuschlagListe& laengen_;
    PlattentypUListe& plattentypU_;
    PlattentypCListe& plattentypC_;
    AnschlussUListe& anschluesse_;
    GlobaleParameter& global_;
};

}  // namespace

Data::Data(const std::string& verzeichnis) {
    fehler_ = DatenLader(*this, verzeichnis).allesLesen();
}
