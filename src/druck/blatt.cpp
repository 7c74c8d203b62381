#include "blatt.h"

#include "format.h"

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
    y = kopf_(dc_, seite_);
    return true;
}

int Dokument::unten() const { return Seitenraster(dc_).unten - dc_.lineHeight(11); }

void Dokument::neueSeite() {
    ok_ = dc_.endPage() && ok_;
    ++seite_;
    ok_ = dc_.startPage() && ok_;
    y = kopf_(dc_, seite_);
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
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find(' ', pos);
        if (ende == std::string::npos) ende = text.size();
        const std::string wort = text.substr(pos, ende - pos);
        const std::string laenger = zeile.empty() ? wort : zeile + " " + wort;
        if (!zeile.empty() && dc.textWidth(laenger, font) > breite) {
            zeilen.push_back(zeile);
            zeile = wort;
        } else {
            zeile = laenger;
        }
        pos = ende + 1;
    }
    if (!zeile.empty()) zeilen.push_back(zeile);
    return zeilen;
}

std::string betragText(double preis, bool bekannt, const std::string& waehrung) {
    return bekannt ? formatiere("%9.2f  %s", preis, waehrung.c_str()) : waehrung;
}

}  // namespace kal
