#include "datalib/format.h"

#include <locale.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kal {

namespace {
locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Runs f with the thread's locale set to "C".
template <class F>
auto imCLocale(F f) {
    locale_t old = uselocale(cLocale());
    auto r = f();
    uselocale(old);
    return r;
}

std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}
}  // namespace

std::string formatiere(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    locale_t old = uselocale(cLocale());
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<size_t>(n));
    }
    uselocale(old);
    va_end(args);
    return out;
}

ZahlPruefung pruefeDouble(const std::string& text, double min, double max, double& wert) {
    std::string t = trim(text);
    if (t.empty()) return ZahlLeer;
    const char* b = t.data();
    const char* e = t.data() + t.size();
    if (*b == '+') ++b;
    if (b == e || *b == '+') return ZahlKeineZahl;
    // from_chars accepts "inf"/"nan" and hex only on request; reject letters
    // other than an exponent explicitly.
    for (const char* p = b; p != e; ++p) {
        char c = *p;
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E'))
            return ZahlKeineZahl;
    }
    double v = 0;
    auto r = std::from_chars(b, e, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) return ZahlAusserhalb;
    if (r.ec != std::errc() || r.ptr != e || !std::isfinite(v)) return ZahlKeineZahl;
    if (v < min || v > max) return ZahlAusserhalb;
    wert = v;
    return ZahlOk;
}

ZahlPruefung pruefeInteger(const std::string& text, long long min, long long max, long long& wert) {
    std::string t = trim(text);
    if (t.empty()) return ZahlLeer;
    const char* b = t.data();
    const char* e = t.data() + t.size();
    if (*b == '+') ++b;
    if (b == e || *b == '+') return ZahlKeineZahl;
    long long v = 0;
    auto r = std::from_chars(b, e, v, 10);
    if (r.ec == std::errc::result_out_of_range && r.ptr == e) return ZahlAusserhalb;
    if (r.ec != std::errc() || r.ptr != e) return ZahlKeineZahl;
    if (v < min || v > max) return ZahlAusserhalb;
    wert = v;
    return ZahlOk;
}

double textZuDouble(const std::string& text) {
    double v = imCLocale([&] { return std::strtod(text.c_str(), nullptr); });
    return std::isfinite(v) ? v : 0.0;
}

int textZuInt(const std::string& text) {
    // atoi semantics without its undefined behaviour on overflow.
    long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > 2147483647L) return 2147483647;
    if (v < -2147483647L - 1) return -2147483647 - 1;
    return static_cast<int>(v);
}

std::string zahlText(double wert, int nachkomma, int stellen) {
    if (!std::isfinite(wert)) return {};
    if (nachkomma < 0) nachkomma = 0;
    if (nachkomma > 15) nachkomma = 15;
    if (stellen > 0 && wert != 0.0) {
        int ganz =
            static_cast<int>(std::floor(std::log10(std::fabs(wert)))) + 1;  // digits before '.'
        int maxNach = stellen - ganz;
        if (maxNach < nachkomma) nachkomma = maxNach < 0 ? 0 : maxNach;
    }
    std::string s = formatiere("%.*f", nachkomma, wert);
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

int nachkommaMindestens(double wert, int nachkomma, int signifikant) {
    if (!std::isfinite(wert) || wert == 0.0) return nachkomma;
    const int ganz = static_cast<int>(std::floor(std::log10(std::fabs(wert)))) + 1;
    return std::max(nachkomma, signifikant - ganz);
}

double runden(double wert, int nachkomma) {
    double f = std::pow(10.0, nachkomma);
    return std::round(wert * f) / f;
}

std::string alsWindows1252(const std::string& utf8) {
    // the code points Windows-1252 puts at 0x80..0x9F (0: none there)
    static const char32_t k80[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string aus;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const int laenge = b < 0x80         ? 1
                           : (b >> 5) == 6  ? 2
                           : (b >> 4) == 14 ? 3
                           : (b >> 3) == 30 ? 4
                                            : 0;
        char32_t c = laenge == 1   ? b
                     : laenge == 2 ? (b & 0x1F)
                     : laenge == 3 ? (b & 0x0F)
                                   : (b & 0x07);
        bool gut = laenge > 0 && i + static_cast<size_t>(laenge) <= utf8.size();
        for (int k = 1; gut && k < laenge; ++k) {
            const auto f = static_cast<unsigned char>(utf8[i + static_cast<size_t>(k)]);
            gut = (f & 0xC0) == 0x80;
            c = (c << 6) | (f & 0x3F);
        }
        i += gut ? static_cast<size_t>(laenge) : 1;
        char z = '?';
        if (gut && (c < 0x80 || (c >= 0xA0 && c <= 0xFF))) z = static_cast<char>(c);
        for (int k = 0; gut && k < 32; ++k)
            if (k80[k] != 0 && k80[k] == c) z = static_cast<char>(0x80 + k);
        aus += z;
    }
    return aus;
}

std::string zollText(double zoll) { return formatiere("%.1f", zoll); }

}  // namespace kal
