// CSpalttypenZulaessig: which channel types the calculation may use per
// plate material, plate type and pressure stage. Holds the library default
// and the permission in force; only deviations are stored (settings port).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "ports/ports.h"

class CSpalttypenZulaessig {
public:
    struct MPDKey {
        std::int32_t material = 0;
        std::int32_t plattentyp = 0;
        std::int32_t druckstufe = 0;
        bool operator==(const MPDKey& o) const {
            return material == o.material && plattentyp == o.plattentyp &&
                   druckstufe == o.druckstufe;
        }
    };
    // Spreads the keys of one bucket, so a lookup stays constant however
    // many entries a stored string creates.
    struct MPDKeyHash {
        std::size_t operator()(const MPDKey& k) const {
            const std::uint64_t a = static_cast<std::uint32_t>(k.material);
            const std::uint64_t b = static_cast<std::uint32_t>(k.plattentyp);
            const std::uint64_t c = static_cast<std::uint32_t>(k.druckstufe);
            return std::hash<std::uint64_t>{}((a << 32 | b) ^ (c * 0x9E3779B97F4A7C15ull));
        }
    };
    struct MPDData {
        std::array<std::int32_t, kAnzahlSpalttypen> standard{};
        std::array<std::int32_t, kAnzahlSpalttypen> aktiv{};
    };

    static constexpr int kBuckets = 17;
    static constexpr const char* kWertName = "PlattentypSpalttypZulaessig3.1";
    static constexpr const char* kAlterWertName = "PlattentypSpalttypZulaessig";

    // Maps: list position -> object id of the permitted plate types and plate
    // materials, as the main dialog collects them.
    CSpalttypenZulaessig(const Data& data, const std::map<int, int>& plattentypen,
                         const std::map<int, int>& materialien);

    int istStandard(int material, int plattentyp, int druckstufe, int spalttyp) const;
    int istAktiv(int material, int plattentyp, int druckstufe, int spalttyp) const;
    int istZulaessig(int material, int plattentyp, int druckstufe, int spalttyp) const;
    void aktivieren(int material, int plattentyp, int druckstufe, int spalttyp);
    void deaktivieren(int material, int plattentyp, int druckstufe, int spalttyp);

    // Deviations as stored: "%i:%i:%i:%i," per position whose aktiv differs.
    std::string abweichungenText() const;
    // Applies `deaktivieren` to every complete entry of a stored string.
    void abweichungenAnwenden(const std::string& text);
    // Some position of the two maps deviates from the library default.
    bool weichtAb() const;
    // The main dialog's warning label is shown exactly then.
    bool warnungAnzeigen(bool werksmodus) const { return werksmodus && weichtAb(); }

    // Write/read through the settings port; messages ("readregistry",
    // "readregistrySpalttypZulaessig") go to `meldungen` with the texts of
    // section "error". Return false when the store could not be used.
    bool schreiben(kal::SettingsPort& settings, kal::MessagePort* meldungen,
                   const CIniEx& sprache) const;
    bool lesen(kal::SettingsPort& settings, kal::MessagePort* meldungen, const CIniEx& sprache);

    static unsigned bucketFuer(const MPDKey& k);
    std::size_t anzahlEintraege() const;

    const std::map<int, int>& plattentypen() const { return plattentypen_; }
    const std::map<int, int>& materialien() const { return materialien_; }

private:
    const MPDData* finde(const MPDKey& k) const;
    MPDData& holeOderNeu(const MPDKey& k);
    int anzahlSpalttypen() const;

    const Data& data_;
    std::map<int, int> plattentypen_;
    std::map<int, int> materialien_;
    std::array<std::unordered_map<MPDKey, MPDData, MPDKeyHash>, kBuckets> buckets_;
};
