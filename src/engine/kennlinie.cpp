// Performance curves: the chosen pack rated at scaled flows of each point,
// the outlets found where the pack keeps the point's surface reserve.
#include "engine/kennlinie.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kal::engine {

namespace {
namespace eg = einheitengruppe;

// The search for the warm outlet ends within these (reserve as a share, K).
constexpr double kReserveToleranz = 1e-9;
constexpr double kTemperaturToleranz = 1e-7;
constexpr int kMaxSchritte = 100;

// One rating of the pack; the reserve as a share.
struct Bewertung {
    bool ok = false;
    double reserve = 0.0;
    Kennlinienpunkt p;
};

Bewertung auswerten(const Berechnungsbericht& r) {
    Bewertung b;
    if (!r.ergebnisVorhanden) {
        for (const Meldung& m : r.meldungen)
            if (m.schwere == Schwere::Fehler) {
                b.p.grund = m.key.empty() ? m.text : m.key;
                break;
            }
        return b;
    }
    const Berechnungsergebnis& x = r.fall.ergebnis;
    b.ok = x.kErf > 0 && std::isfinite(x.kEff / x.kErf);
    if (!b.ok) return b;
    b.reserve = x.kEff / x.kErf - 1.0;
    b.p.gueltig = true;
    b.p.leistung = r.fall.arbeitswerte.leistungSoll;
    b.p.austrittWarm = r.fall.eingaben.warm.tAus;
    b.p.austrittKalt = r.fall.eingaben.kalt.tAus;
    b.p.dpWarm = x.druckverlustWarm;
    b.p.dpKalt = x.druckverlustKalt;
    return b;
}

Bewertung bewerten(const Rechenkontext& k, const Falleingaben& e, Plattencaches* caches) {
    return auswerten(berechnen(k, e, caches));
}

// The point's rated entries at `faktor` times its flows: inlets and flows
// given, the cold outlet left to the balance; the warm outlet is the
// caller's (the duty follows from it).
Falleingaben skaliert(const Falleingaben& g, double faktor) {
    Falleingaben e = g;
    for (int s = 0; s < kAnzahlSeiten; ++s) {
        Mediumseite& m = e.seite(s);
        m.massenstrom *= faktor;
        m.volumenstrom *= faktor;
        m.durchsatzEingabe *= faktor;
        m.durchsatzVorgegeben = m.tEinVorgegeben = true;
    }
    e.warm.tAusVorgegeben = true;
    e.kalt.tAusVorgegeben = false;
    e.leistungVorgegeben = false;
    return e;
}

// The pack at one share: the warm outlet where the reserve is `ziel`,
// found between the two inlets by regula falsi (Illinois), by halving
// where a rating fails (too much duty for the pack or the data).
Kennlinienpunkt stufe(const Rechenkontext& k, const Falleingaben& g, double faktor, double ziel,
                      Plattencaches* caches) {
    Falleingaben e = skaliert(g, faktor);
    if (g.warm.kondensation) return bewerten(k, e, caches).p;  // the duty is the flow's
    double lo = g.kalt.tEin, hi = g.warm.tEin;                 // more duty below, less above
    std::optional<double> fLo, fHi;
    int seite = 0;  // the end kept last time, for the Illinois step
    double t = g.warm.tAus > lo && g.warm.tAus < hi ? g.warm.tAus : (lo + hi) / 2;
    std::optional<Bewertung> oben;  // the last rating above the root
    std::string grund;
    for (int i = 0; i < kMaxSchritte; ++i) {
        e.warm.tAus = t;
        Bewertung b = bewerten(k, e, caches);
        const double f = b.reserve - ziel;
        if (b.ok && std::fabs(f) <= kReserveToleranz) return b.p;
        if (!b.ok || f < 0) {
            if (!b.ok) grund = b.p.grund;
            lo = t;
            fLo = b.ok ? std::optional<double>(f) : std::nullopt;
            if (seite == -1 && fHi) *fHi /= 2;
            seite = -1;
        } else {
            hi = t;
            fHi = f;
            oben = std::move(b);
            if (seite == 1 && fLo) *fLo /= 2;
            seite = 1;
        }
        if (hi - lo <= kTemperaturToleranz * std::max(1.0, std::fabs(hi))) break;
        t = fLo && fHi ? lo + (hi - lo) * (-*fLo) / (*fHi - *fLo) : (lo + hi) / 2;
        if (!(t > lo && t < hi)) t = (lo + hi) / 2;
    }
    // closed between two ratings: the nearer one above; on a failing one
    // the root lies where the pack cannot be rated
    if (oben && fLo) return oben->p;
    Kennlinienpunkt p;
    p.grund = grund;
    return p;
}

double temperatur(const Data& d, const Kennlinieneinheiten& u, double gradC) {
    return ausBasisEinheit(d, eg::Temperatur, u.temperatur,
                           inBasisEinheit(d, eg::Temperatur, eg::TemperaturGradC, gradC));
}
double druck(const Data& d, const Kennlinieneinheiten& u, double kpa) {
    return ausBasisEinheit(d, eg::Druck, u.druck, inBasisEinheit(d, eg::Druck, eg::DruckKPa, kpa));
}

// A point's figures (engine units) in the curve's units.
void anzeigen(const Data& d, const Kennlinieneinheiten& u, Kennlinienpunkt& p) {
    if (!p.gueltig) {
        p.leistung = p.austrittWarm = p.austrittKalt = p.dpWarm = p.dpKalt = 0.0;
        return;
    }
    p.leistung = ausBasisEinheit(d, eg::Leistung, u.leistung, p.leistung);
    p.austrittWarm = temperatur(d, u, p.austrittWarm);
    p.austrittKalt = temperatur(d, u, p.austrittKalt);
    p.dpWarm = druck(d, u, p.dpWarm);
    p.dpKalt = druck(d, u, p.dpKalt);
}

std::string einheitName(const Data& d, int gruppe, int pos, const char* sonst) {
    const Einheit* e = einheitAn(d, gruppe, pos);
    return e ? e->getName() : sonst;
}
}  // namespace

Kennlinieneinheiten kennlinieneinheiten(const Data& d, const Falleingaben& e) {
    Kennlinieneinheiten u;
    u.leistung = einheitAn(d, eg::Leistung, e.einheitLeistung) ? e.einheitLeistung : eg::LeistungKW;
    u.temperatur =
        einheitAn(d, eg::Temperatur, e.warm.einheitTAus) ? e.warm.einheitTAus : eg::TemperaturGradC;
    u.druck = einheitAn(d, eg::Druck, e.warm.einheitDruckverlust) ? e.warm.einheitDruckverlust
                                                                  : eg::DruckKPa;
    u.leistungName = einheitName(d, eg::Leistung, u.leistung, "kW");
    u.temperaturName = einheitName(d, eg::Temperatur, u.temperatur, "°C");
    u.druckName = einheitName(d, eg::Druck, u.druck, "kPa");
    return u;
}

std::vector<Kennlinie> kennlinienBerechnen(const Rechenkontext& k,
                                           const std::vector<Falleingaben>& punkte,
                                           const Mehrpunktbericht& bericht, int stufen, double von,
                                           double bis, Plattencaches* caches) {
    if (!bericht.ergebnisVorhanden || bericht.punkte.empty()) return {};
    return kennlinienBerechnen(k, punkte, bericht.punkte[0].fall.ergebnis, stufen, von, bis,
                               caches);
}

std::vector<Kennlinie> kennlinienBerechnen(const Rechenkontext& k,
                                           const std::vector<Falleingaben>& punkte,
                                           const Berechnungsergebnis& paket, int stufen, double von,
                                           double bis, Plattencaches* caches) {
    std::vector<Kennlinie> linien;
    if (punkte.empty()) return linien;
    Plattencaches eigene;
    if (!caches) caches = &eigene;
    const Data& d = k.data;
    const Kennlinieneinheiten u = kennlinieneinheiten(d, punkte[0]);
    stufen = std::max(stufen, 1);
    for (size_t i = 0; i < punkte.size(); ++i) {
        Kennlinie l;
        l.punkt = static_cast<int>(i);
        l.einheiten = u;
        // the point's own rating: where the curve starts from
        const Berechnungsbericht r = berechnen(k, bewertungVon(punkte[i], paket), caches);
        const Bewertung eigen = auswerten(r);
        l.betriebspunkt = eigen.p;
        l.betriebspunkt.anteil = 100.0;
        l.reserve = 100.0 * eigen.reserve;
        const Falleingaben& basis = r.geprueft ? r.geprueft->eingaben : r.fall.eingaben;
        l.dpWarmZul = druck(d, u, basis.warm.druckverlustZul);
        l.dpKaltZul = druck(d, u, basis.kalt.druckverlustZul);
        for (int s = 0; s < stufen; ++s) {
            const double anteil = stufen == 1 ? von : von + (bis - von) * s / (stufen - 1);
            Kennlinienpunkt p;
            if (eigen.ok && r.geprueft) {
                p = stufe(k, basis, anteil / 100.0, eigen.reserve, caches);
            } else {
                p.grund = eigen.p.grund;
            }
            p.anteil = anteil;
            anzeigen(d, u, p);
            l.werte.push_back(std::move(p));
        }
        anzeigen(d, u, l.betriebspunkt);
        linien.push_back(std::move(l));
    }
    return linien;
}

}  // namespace kal::engine
