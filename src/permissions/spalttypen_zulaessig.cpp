#include "permissions/spalttypen_zulaessig.h"

#include <algorithm>

#include "datalib/format.h"

namespace {
bool gueltigePosition(int j) { return j >= 0 && j < kAnzahlSpalttypen; }

// A message box with the language text of `section`/`key` and the error caption.
void zeigeFehler(kal::MessagePort* port, const CIniEx& sprache, const char* section,
                 const char* key) {
    if (!port) return;
    kal::Message m;
    m.text = sprache.GetValue(section, key, "");
    m.caption = sprache.GetValue("error", "error", "");
    m.section = section;
    m.key = key;
    m.icon = kal::MessageIcon::Error;
    port->showMessage(m);
}
}  // namespace

CSpalttypenZulaessig::CSpalttypenZulaessig(const Data& data, const std::map<int, int>& plattentypen,
                                           const std::map<int, int>& materialien)
    : data_(data), plattentypen_(plattentypen), materialien_(materialien) {
    const int n = anzahlSpalttypen();
    for (const auto& [pos, typId] : plattentypen_) {
        (void)pos;
        const PlattentypA* a = data_.getPlattentypAListe().internalGetForObjectId(typId);
        for (const auto& [mpos, matId] : materialien_) {
            (void)mpos;
            for (const auto& ds : data_.getDruckstufeAListe().alle()) {
                MPDData& d = holeOderNeu({matId, typId, ds.getObjectId()});
                for (int j = 0; j < n; ++j) {
                    int z = a ? a->getSpalttypZulaessig(matId, ds.getObjectId(), j) : 0;
                    d.standard[static_cast<size_t>(j)] = z != 0 ? 1 : 0;
                    d.aktiv[static_cast<size_t>(j)] = z != 0 ? 1 : 0;
                }
            }
        }
    }
}

int CSpalttypenZulaessig::anzahlSpalttypen() const {
    return std::min(9, data_.getSpalttypListe().getSize());
}

unsigned CSpalttypenZulaessig::bucketFuer(const MPDKey& k) {
    unsigned h = static_cast<unsigned>(k.material ^ k.plattentyp ^ k.druckstufe) >> 4;
    return h % kBuckets;
}

const CSpalttypenZulaessig::MPDData* CSpalttypenZulaessig::finde(const MPDKey& k) const {
    const auto& b = buckets_[bucketFuer(k)];
    auto it = b.find(k);
    return it == b.end() ? nullptr : &it->second;
}

CSpalttypenZulaessig::MPDData& CSpalttypenZulaessig::holeOderNeu(const MPDKey& k) {
    return buckets_[bucketFuer(k)][k];  // a new key starts with both arrays zero
}

std::size_t CSpalttypenZulaessig::anzahlEintraege() const {
    std::size_t n = 0;
    for (const auto& b : buckets_) n += b.size();
    return n;
}

int CSpalttypenZulaessig::istStandard(int m, int t, int d, int j) const {
    const MPDData* e = finde({m, t, d});
    return (e && gueltigePosition(j)) ? e->standard[static_cast<size_t>(j)] : 0;
}

int CSpalttypenZulaessig::istAktiv(int m, int t, int d, int j) const {
    const MPDData* e = finde({m, t, d});
    return (e && gueltigePosition(j)) ? e->aktiv[static_cast<size_t>(j)] : 0;
}

int CSpalttypenZulaessig::istZulaessig(int m, int t, int d, int j) const {
    const MPDData* e = finde({m, t, d});
    if (!e || !gueltigePosition(j)) return 0;
    return (e->standard[static_cast<size_t>(j)] != 0 && e->aktiv[static_cast<size_t>(j)] != 0) ? 1
                                                                                               : 0;
}

void CSpalttypenZulaessig::aktivieren(int m, int t, int d, int j) {
    if (!gueltigePosition(j)) return;
    holeOderNeu({m, t, d}).aktiv[static_cast<size_t>(j)] = 1;
}

void CSpalttypenZulaessig::deaktivieren(int m, int t, int d, int j) {
    if (!gueltigePosition(j)) return;
    holeOderNeu({m, t, d}).aktiv[static_cast<size_t>(j)] = 0;
}

std::string CSpalttypenZulaessig::abweichungenText() const {
    std::string s;
    const int n = anzahlSpalttypen();
    for (const auto& [pos, typId] : plattentypen_) {
        (void)pos;
        for (const auto& [mpos, matId] : materialien_) {
            (void)mpos;
            for (const auto& ds : data_.getDruckstufeAListe().alle()) {
                for (int j = 0; j < n; ++j) {
                    if (istAktiv(matId, typId, ds.getObjectId(), j) !=
                        istStandard(matId, typId, ds.getObjectId(), j))
                        s += kal::formatiere("%i:%i:%i:%i,", matId, typId, ds.getObjectId(), j);
                }
            }
        }
    }
    return s;
}

void CSpalttypenZulaessig::abweichungenAnwenden(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        int feld[4] = {0, 0, 0, 0};
        bool komplett = true;
        for (int i = 0; i < 4; ++i) {
            char ende = i < 3 ? ':' : ',';
            std::size_t e = text.find(ende, pos);
            if (e == std::string::npos) {
                komplett = false;
                break;
            }
            feld[i] = kal::textZuInt(text.substr(pos, e - pos));
            pos = e + 1;
        }
        if (!komplett) break;  // incomplete tail entry: ignored
        deaktivieren(feld[0], feld[1], feld[2], feld[3]);
    }
}

bool CSpalttypenZulaessig::weichtAb() const {
    const int n = anzahlSpalttypen();
    for (const auto& [pos, typId] : plattentypen_) {
        (void)pos;
        for (const auto& [mpos, matId] : materialien_) {
            (void)mpos;
            for (const auto& ds : data_.getDruckstufeAListe().alle())
                for (int j = 0; j < n; ++j)
                    if (istAktiv(matId, typId, ds.getObjectId(), j) !=
                        istStandard(matId, typId, ds.getObjectId(), j))
                        return true;
        }
    }
    return false;
}

bool CSpalttypenZulaessig::schreiben(kal::SettingsPort& settings, kal::MessagePort* meldungen,
                                     const CIniEx& sprache) const {
    if (!settings.openKey() || !settings.writeValue(kWertName, abweichungenText())) {
        zeigeFehler(meldungen, sprache, "error", "readregistry");
        return false;
    }
    return true;
}

bool CSpalttypenZulaessig::lesen(kal::SettingsPort& settings, kal::MessagePort* meldungen,
                                 const CIniEx& sprache) {
    if (!settings.openKey()) {
        zeigeFehler(meldungen, sprache, "error", "readregistry");
        return false;
    }
    // The string is taken whole, whatever its length.
    if (std::optional<std::string> wert = settings.readValue(kWertName)) {
        abweichungenAnwenden(*wert);
        return true;
    }
    if (settings.readValue(kAlterWertName)) {
        // Old format: not interpreted; storing the table once under the new
        // name makes this message a one-time one.
        zeigeFehler(meldungen, sprache, "error", "readregistrySpalttypZulaessig");
        return schreiben(settings, meldungen, sprache);
    }
    return true;
}
