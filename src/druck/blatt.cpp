#include "druck/blatt.h"

#include <algorithm>

#include "datalib/format.h"

namespace kal {

Seitenraster::Seitenraster(const PageDevice& dc)
    : breite(dc.pageWidth()),
      hoehe(dc.pageHeight()),
      links(static_cast<int>(breite * 0.07)),
      rechts(static_cast<int>(breite * 0.95)),
      oben(static_cast<int>(hoehe * 0.03)),
      unten(static_cast<int>(hoehe * 0.97)),
      stift(breite / 1500 > 1 ? breite / 1500 : 1) {}

PageFont schrift(const PageDevice& dc, int punkte, bool fett) {
    PageFont f;
    f.height = dc.lineHeight(punkte);
    f.weight = fett ? 700 : 500;
    return f;
}

bool Dokument::anfangen() {
    if (!dc_.startDocument("")) return false;
    seite_ = 1;
    if (!dc_.startPage()) {
        dc_.abortDocument();
        return false;
    }
    y = kopf_(dc_, seite_, seiten_);
    return true;
}

int Dokument::unten() const { return Seitenraster(dc_).unten - dc_.lineHeight(11) / 2; }

void Dokument::neueSeite() {
    ok_ = dc_.endPage() && ok_;
    ++seite_;
    ok_ = dc_.startPage() && ok_;
    y = kopf_(dc_, seite_, seiten_);
}

void Dokument::vor(int dy, int hoehe) {
    y += dy;
    if (y + hoehe > unten()) neueSeite();
}

void Dokument::platzFuer(int hoehe) {
    if (y + hoehe > unten()) neueSeite();
}

bool Dokument::beenden() {
    if (!dc_.endPage() || !ok_) {
        dc_.abortDocument();
        return false;
    }
    return dc_.endDocument();
}

bool Sammeldokument::startDocument(const std::string& name) {
    if (begonnen_) return ok_;
    begonnen_ = true;
    gestartet_ = echt_.startDocument(name);
    ok_ = gestartet_ && ok_;
    return ok_;
}

bool Sammeldokument::startPage() {
    ++seite_;
    ok_ = echt_.startPage() && ok_;
    return ok_;
}

bool Sammeldokument::endPage() {
    ok_ = echt_.endPage() && ok_;
    return ok_;
}

bool Sammeldokument::abschliessen() {
    if (!gestartet_) return false;
    if (!ok_) {
        echt_.abortDocument();
        return false;
    }
    return echt_.endDocument();
}

namespace {
// Code points of a UTF-8 text, each as its bytes.
std::vector<std::string> zeichen(const std::string& text) {
    std::vector<std::string> z;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80 && !z.empty())
            z.back() += static_cast<char>(c);
        else
            z.emplace_back(1, static_cast<char>(c));
    }
    return z;
}
}  // namespace

bool druckeHintereinander(PageDevice& dc,
                          const std::vector<std::function<bool(PageDevice&)>>& teile) {
    Sammeldokument f(dc);
    for (const auto& teil : teile)
        if (!teil(f) || !f.ok()) {
            f.abortDocument();
            break;
        }
    return f.abschliessen();
}

bool mitSeitenzahl(PageDevice& dc, const std::function<bool(PageDevice&, int)>& zeichnen) {
    Zaehlseite zaehler(dc);
    if (!zeichnen(zaehler, 0)) return false;
    return zeichnen(dc, zaehler.seiten);
}

std::pair<std::string, std::string> anschlussZeilen(const std::string& text) {
    const auto erstes = text.find(',');
    const auto zweites = erstes == std::string::npos ? erstes : text.find(',', erstes + 1);
    if (zweites == std::string::npos) return {text, ""};
    size_t ende = zweites + 1;
    if (ende < text.size() && text[ende] == ' ') ++ende;
    return {text.substr(0, ende), text.substr(ende)};
}

std::vector<std::string> umbrechen(const PageDevice& dc, const std::string& text,
                                   const PageFont& font, int breite) {
    std::vector<std::string> zeilen;
    std::string zeile;
    auto passt = [&](const std::string& s) { return dc.textWidth(s, font) <= breite; };
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find(' ', pos);
        if (ende == std::string::npos) ende = text.size();
        std::string wort = text.substr(pos, ende - pos);
        pos = ende + 1;
        const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
        if (passt(laenger)) {
            zeile = laenger;
            continue;
        }
        if (!zeile.empty()) zeilen.push_back(zeile);
        zeile.clear();
        if (passt(wort)) {
            zeile = wort;
            continue;
        }
        // a word wider than the column: broken between its characters
        for (const std::string& z : zeichen(wort)) {
            if (!zeile.empty() && !passt(zeile + z)) {
                zeilen.push_back(zeile);
                zeile.clear();
            }
            zeile += z;
        }
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    return zeilen;
}

PageFont passend(const PageDevice& dc, const std::string& text, PageFont font, int breite) {
    const int w = dc.textWidth(text, font);
    if (w > breite && w > 0) font.height = std::max(1, font.height * std::max(breite, 1) / w);
    // widths are not exactly proportional to the height: step down until it fits
    while (font.height > 1 && dc.textWidth(text, font) > breite) --font.height;
    return font;
}

Eingepasst einpassen(const PageDevice& dc, const std::string& text, const PageFont& font,
                     int breite, size_t zeilen) {
    Eingepasst e{font, umbrechen(dc, text, font, breite)};
    const int kleinste = font.height * 6 / 10;
    while (e.zeilen.size() > zeilen && e.font.height > kleinste) {
        e.font.height = std::max(kleinste, e.font.height * 9 / 10);
        e.zeilen = umbrechen(dc, text, e.font, breite);
    }
    return e;
}

std::string betragText(double preis, bool bekannt, const std::string& waehrung) {
    return bekannt ? formatiere("%9.2f  %s", preis, waehrung.c_str()) : waehrung;
}

}  // namespace kal
