#include "angebot/sammelangebot.h"

#include <algorithm>

#include "datalib/dateiausgabe.h"
#include "datalib/dialoghilfe.h"
#include "datalib/format.h"
#include "druck/projektdaten.h"
#include "projekt/projektdatei.h"

namespace kal {

namespace {
// Room for the largest file a reader accepts and one byte, so that a larger
// one shows as such.
constexpr size_t kLeseGrenze = kMappeMaxGroesse + 1;

void melden(CBerechnungApp& app, const char* key, std::initializer_list<std::string> werte) {
    const CIniEx& s = app.getSprache();
    MessagePort* port = app.getPorts().messages;
    if (!port) return;
    const std::vector<std::string> w(werte);
    port->showMessage(Message{einsetzen(s.GetValue("error", key, ""), w),
                              meldungsTitel(s, MessageIcon::Error), "error", key,
                              MessageIcon::Error});
}
}  // namespace

Sammelangebot::Sammelangebot(CBerechnungApp& app) : app_(app) { neu(); }

Sammelangebot::~Sammelangebot() = default;

void Sammelangebot::neu(const std::string& sprachcode) {
    mappe_ = Angebotsmappe{};
    mappe_.sprache = sprachcode.empty() ? app_.getSprachcode() : sprachcode;
    if (mappe_.sprache.empty()) mappe_.sprache = "uk";
    mappe_.datum = heutigesDatum();
    const CIniEx& s = mappenSprache();
    mappe_.gueltigkeit = s.GetValue("angebotsmappe", "gueltigkeitVorgabe", "");
    mappe_.bedingungen = {s.GetValue("angebotsmappe", "zahlungVorgabe", ""),
                          s.GetValue("angebotsmappe", "lieferungVorgabe", ""),
                          s.GetValue("angebotsmappe", "verpackungVorgabe", ""),
                          s.GetValue("angebotsmappe", "gewaehrleistungVorgabe", "")};
    gespeichert_ = mappe_;
}

bool Sammelangebot::oeffnen(const std::string& pfad) {
    const std::optional<std::string> bytes = dateiLesen(pfad, kLeseGrenze);
    if (!bytes) {
        melden(app_, "mappeNichtGeoeffnet", {pfad});
        return false;
    }
    MappeGelesen g = mappeDekodieren(*bytes);
    if (g.lage == MappenLage::Neuer) {
        melden(app_, "mappeNeuer", {pfad, std::to_string(g.version)});
        return false;
    }
    if (!g.mappe) {
        melden(app_, "mappeBeschaedigt", {pfad, g.grund});
        return false;
    }
    mappe_ = std::move(*g.mappe);
    if (mappe_.sprache.empty()) mappe_.sprache = app_.getSprachcode();
    gespeichert_ = mappe_;
    return true;
}

bool Sammelangebot::speichern(const std::string& pfad) {
    const std::string text = mappeKodieren(mappe_);
    std::string grund;
    if (!dateiSicherSchreiben(pfad, text, &grund)) {
        schreibfehlerMelden(app_.getPorts().messages, app_.getSprache(), pfad, grund);
        return false;
    }
    gespeichert_ = mappe_;
    return true;
}

bool Sammelangebot::alsRevisionSpeichern(const std::string& pfad) {
    const Angebotsmappe vorher = mappe_;
    // the revision as it was saved (and perhaps sent); changes since then
    // belong to the next one
    const Mappensummen s = gespeichert_ && gespeichert_->revision == mappe_.revision
                               ? summenVon(*gespeichert_)
                               : summen();
    mappe_.historie.push_back({mappe_.revision, mappe_.datum, s.zwischensumme, s.gesamt});
    mappe_.revision = std::min(mappe_.revision + 1, kMappeMaxRevision);
    mappe_.datum = heutigesDatum();
    if (speichern(pfad)) return true;
    mappe_ = vorher;
    return false;
}

void Sammelangebot::hinzufuegen(const std::string& projekt, int menge, const std::string& text) {
    if (mappe_.positionen.size() >= kMappeMaxPositionen) return;
    // no longer than the file takes, or it could not be opened again
    mappe_.positionen.push_back({projekt,
                                 std::clamp(menge, 1, kMappeMaxMenge),
                                 aufLaengeGekuerzt(text, static_cast<int>(kMappeMaxText)),
                                 {},
                                 true});
}

void Sammelangebot::verschieben(size_t von, size_t nach) {
    auto& p = mappe_.positionen;
    if (von >= p.size() || nach >= p.size() || von == nach) return;
    Mappenposition x = std::move(p[von]);
    p.erase(p.begin() + static_cast<long>(von));
    p.insert(p.begin() + static_cast<long>(nach), std::move(x));
}

void Sammelangebot::duplizieren(size_t i) {
    auto& p = mappe_.positionen;
    if (i >= p.size() || p.size() >= kMappeMaxPositionen) return;
    Mappenposition kopie = p[i];
    p.insert(p.begin() + static_cast<long>(i) + 1, std::move(kopie));
}

void Sammelangebot::entfernen(size_t i) {
    auto& p = mappe_.positionen;
    if (i < p.size()) p.erase(p.begin() + static_cast<long>(i));
}

void Sammelangebot::ersetzen(size_t i, const std::string& projekt) {
    if (i < mappe_.positionen.size()) mappe_.positionen[i].projekt = projekt;
}

void Sammelangebot::setzeMenge(size_t i, int menge) {
    if (i < mappe_.positionen.size())
        mappe_.positionen[i].menge = std::clamp(menge, 1, kMappeMaxMenge);
}

void Sammelangebot::setzeText(size_t i, const std::string& text) {
    if (i < mappe_.positionen.size())
        mappe_.positionen[i].text = aufLaengeGekuerzt(text, static_cast<int>(kMappeMaxText));
}

void Sammelangebot::setzeDokumente(size_t i, bool mit) {
    if (i < mappe_.positionen.size()) mappe_.positionen[i].dokumente = mit;
}

Mappenauswerter& Sammelangebot::auswerter() {
    if (!auswerter_ || auswerterSprache_ != mappe_.sprache) {
        stand_.clear();
        auswerter_ = std::make_unique<Mappenauswerter>(app_.getAppDir(), app_.getPorts().settings,
                                                       mappe_.sprache, app_.getWerksmodus());
        auswerterSprache_ = mappe_.sprache;
    }
    return *auswerter_;
}

const CIniEx& Sammelangebot::mappenSprache() { return auswerter().app().getSprache(); }

const Positionsauswertung& Sammelangebot::auswertung(size_t i, bool dokumente) {
    return auswertungVon(mappe_.positionen.at(i).projekt, i, dokumente);
}

const Positionsauswertung& Sammelangebot::auswertungVon(const std::string& projekt, size_t i,
                                                        bool dokumente) {
    Mappenauswerter& a = auswerter();
    auto it = stand_.find(projekt);
    if (it == stand_.end() || (dokumente && it->second.dokumente.empty() && it->second.berechnet)) {
        const std::string name = formatiere("#%d", static_cast<int>(i + 1));
        Positionsauswertung e = a.auswerten(projekt, name, dokumente);
        it = stand_.insert_or_assign(projekt, std::move(e)).first;
    }
    return it->second;
}

Mappensummen Sammelangebot::summen() { return summenVon(mappe_); }

Mappensummen Sammelangebot::summenVon(const Angebotsmappe& m) {
    std::vector<Positionspreis> preise;
    for (size_t i = 0; i < m.positionen.size(); ++i) {
        const Positionsauswertung& e = auswertungVon(m.positionen[i].projekt, i, false);
        preise.push_back(
            {e.berechnet ? e.einzelpreis : std::nullopt, m.positionen[i].menge, e.lieferzeit});
    }
    return summieren(preise, m.rabatt, m.mwst);
}

}  // namespace kal
