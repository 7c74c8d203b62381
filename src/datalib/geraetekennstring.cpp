#include "datalib/geraetekennstring.h"

#include <charconv>
#include <vector>

namespace {
// Codes must not hold the separators of the layout, or the string could
// not be read back.
bool schreibbar(const std::string& s) {
    return !s.empty() && s.find_first_of("-.+ ") == std::string::npos;
}

std::string ohneLeerzeichen(std::string s) {
    std::erase(s, ' ');
    return s;
}

std::vector<std::string> teile(const std::string& s, char trenner) {
    std::vector<std::string> aus(1);
    for (char c : s) {
        if (c == trenner)
            aus.emplace_back();
        else
            aus.back() += c;
    }
    return aus;
}

// Whole non-negative number, nothing else; -1 otherwise.
int zahl(const std::string& s) {
    int wert = -1;
    if (s.empty() || s.size() > 9) return -1;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return (fehler == std::errc() && ende == s.data() + s.size()) ? wert : -1;
}

// The one record of `liste` whose key(record) equals `text`; -1 when none
// or several.
template <class Liste, class Schluessel>
int eindeutig(const Liste& liste, const std::string& text, Schluessel schluessel) {
    int id = -1;
    for (const auto& r : liste.alle()) {
        if (schluessel(r) != text) continue;
        if (id >= 0) return -1;
        id = r.getObjectId();
    }
    return id;
}
}  // namespace

std::string CGeraeteKennstring::GeraeteKennstringErzeugen() const {
    const Angaben& a = angaben_;
    if (a.format != kFormat || a.serien < 1 || a.gestellVariante < 0 || a.gestellVariante > 1 ||
        a.anschlussWarm < 0 || a.anschlussKalt < 0)
        return {};
    const PlattentypA* typ = data_.getPlattentypAListe().internalGetForObjectId(a.plattentyp);
    const MaterialPlatteA* mat =
        data_.getMaterialPlatteAListe().internalGetForObjectId(a.materialPlatte);
    const DruckstufeA* stufe = data_.getDruckstufeAListe().internalGetForObjectId(a.druckstufe);
    const DichtungA* dw = data_.getDichtungAListe().internalGetForObjectId(a.dichtungWarm);
    const DichtungA* dk = data_.getDichtungAListe().internalGetForObjectId(a.dichtungKalt);
    const MaterialGestellU* gestell =
        data_.getMaterialGestellUListe().internalGetForObjectId(a.gestell);
    if (!typ || !mat || !stufe || !dw || !dk || !gestell) return {};

    std::string kanaele;
    int jeSerie = 0;
    for (size_t i = 0; i < 2; ++i) {
        if (a.spalttyp[i] < 0 || a.anzahl[i] <= 0) continue;
        const Spalttyp* s = data_.getSpalttypListe().internalGetAt(a.spalttyp[i]);
        if (!s || !schreibbar(s->getName())) return {};
        if (!kanaele.empty()) kanaele += '+';
        kanaele += std::to_string(a.anzahl[i]) + s->getName();
        jeSerie += a.anzahl[i];
    }
    std::string name = ohneLeerzeichen(typ->getName());
    if (jeSerie == 0 || !schreibbar(name) || !schreibbar(mat->getCode()) ||
        !schreibbar(dw->getCode()) || !schreibbar(dk->getCode()))
        return {};
    std::string dichtungen = dw->getCode();
    if (a.dichtungKalt != a.dichtungWarm) dichtungen += "." + dk->getCode();

    std::string k =
        name + "-" + std::to_string(2 * jeSerie * a.serien + 1) + "-" + std::to_string(a.serien) +
        "P-" + mat->getCode() + "-PN" + std::to_string(stufe->getDruck()) + "-" + dichtungen +
        "-G" + std::to_string(a.gestell) + (a.gestellVariante == 0 ? "D" : "A") + "-" + kanaele +
        "-A" + std::to_string(a.anschlussWarm) + ".A" + std::to_string(a.anschlussKalt);
    if (a.lackierung) k += "-RAL";
    return k;
}

std::optional<CGeraeteKennstring::Angaben> CGeraeteKennstring::zerlegen(
    const Data& data, const std::string& kennstring) {
    std::vector<std::string> t = teile(kennstring, '-');
    if (t.size() != 9 && !(t.size() == 10 && t[9] == "RAL")) return std::nullopt;
    Angaben a;
    a.lackierung = t.size() == 10 ? 1 : 0;
    a.plattentyp = eindeutig(data.getPlattentypAListe(), t[0],
                             [](const PlattentypA& p) { return ohneLeerzeichen(p.getName()); });
    if (t[2].size() < 2 || t[2].back() != 'P') return std::nullopt;
    a.serien = zahl(t[2].substr(0, t[2].size() - 1));
    a.materialPlatte = eindeutig(data.getMaterialPlatteAListe(), t[3],
                                 [](const MaterialPlatteA& m) { return m.getCode(); });
    a.druckstufe = eindeutig(data.getDruckstufeAListe(), t[4], [](const DruckstufeA& d) {
        return "PN" + std::to_string(d.getDruck());
    });
    std::vector<std::string> dichtung = teile(t[5], '.');
    auto dichtungId = [&](const std::string& code) {
        return eindeutig(data.getDichtungAListe(), code,
                         [](const DichtungA& d) { return d.getCode(); });
    };
    if (dichtung.size() > 2) return std::nullopt;
    a.dichtungWarm = dichtungId(dichtung[0]);
    a.dichtungKalt = dichtungId(dichtung.back());
    if (t[6].size() < 3 || t[6][0] != 'G' || (t[6].back() != 'D' && t[6].back() != 'A'))
        return std::nullopt;
    a.gestell = zahl(t[6].substr(1, t[6].size() - 2));
    a.gestellVariante = t[6].back() == 'D' ? 0 : 1;

    std::vector<std::string> kanaele = teile(t[7], '+');
    if (kanaele.size() > 2) return std::nullopt;
    for (size_t i = 0; i < kanaele.size(); ++i) {
        const std::string& k = kanaele[i];
        size_t ziffern = k.find_first_not_of("0123456789");
        if (ziffern == 0 || ziffern == std::string::npos) return std::nullopt;
        a.anzahl[i] = zahl(k.substr(0, ziffern));
        const auto& typen = data.getSpalttypListe();
        for (int pos = 0; pos < typen.getSize(); ++pos)
            if (typen.internalGetAt(pos)->getName() == k.substr(ziffern)) a.spalttyp[i] = pos;
        if (a.spalttyp[i] < 0) return std::nullopt;
    }
    std::vector<std::string> anschluss = teile(t[8], '.');
    if (anschluss.size() != 2 || anschluss[0].size() < 2 || anschluss[0][0] != 'A' ||
        anschluss[1].size() < 2 || anschluss[1][0] != 'A')
        return std::nullopt;
    a.anschlussWarm = zahl(anschluss[0].substr(1));
    a.anschlussKalt = zahl(anschluss[1].substr(1));

    // Whatever did not resolve, or any other spelling of the same choices
    // (leading zeros, a plate count that does not match), is refused by
    // building the string again.
    CGeraeteKennstring k(data);
    k.laden(a);
    if (k.GeraeteKennstringErzeugen() != kennstring) return std::nullopt;
    return a;
}
