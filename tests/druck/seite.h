// Reading a recording page back: the texts drawn, their place and font,
// and what a look at the page would find wrong.
#pragma once

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "ports/scripted.h"

namespace kaltest {

struct Gezeichnet {
    int x = 0, y = 0;
    char ausrichtung = 'L';
    int gewicht = 0;
    std::string text;
    int seite = 0;
};

inline std::vector<Gezeichnet> texte(const std::vector<std::string>& log) {
    std::vector<Gezeichnet> t;
    int seite = 0;
    for (const std::string& zeile : log) {
        if (zeile == "startPage") ++seite;
        if (zeile.rfind("text ", 0) != 0) continue;
        std::istringstream in(zeile.substr(5));
        Gezeichnet g;
        in >> g.x >> g.y >> g.ausrichtung >> g.gewicht;
        in.get();
        std::getline(in, g.text);
        g.seite = seite;
        t.push_back(g);
    }
    return t;
}

// What a look at the pages would find: two texts of a page that overlap,
// a text outside the page frame (the first rectangle of a page), a drawing
// outside the printable area. Empty for clean pages.
inline std::vector<std::string> layoutFehler(const kal::RecordingPage& p) {
    std::vector<std::string> fehler;
    const int w = p.pageWidth(), h = p.pageHeight();
    std::vector<std::array<int, 4>> rahmen;  // per page: left, top, right, bottom
    for (const std::string& zeile : p.log) {
        if (zeile == "startPage") rahmen.push_back({0, 0, w, h});
        std::istringstream in(zeile);
        std::string art;
        int a = 0, b = 0, c = 0, d = 0;
        in >> art;
        if ((art != "rect" && art != "line" && art != "picture") || !(in >> a >> b >> c >> d))
            continue;
        if (std::min(a, c) < 0 || std::max(a, c) > w || std::min(b, d) < 0 || std::max(b, d) > h)
            fehler.push_back("outside the printable area: " + zeile);
        if (art == "rect" && !rahmen.empty() && rahmen.back() == std::array<int, 4>{0, 0, w, h})
            rahmen.back() = {a, b, c, d};
    }
    auto box = [&](const kal::RecordingPage::Text& t) {
        return std::array<int, 4>{t.links(p), t.y, t.rechts(p), t.y + t.font.height};
    };
    auto name = [](const kal::RecordingPage::Text& t) {
        return "'" + t.text + "' (page " + std::to_string(t.seite) + ", " + std::to_string(t.x) +
               ", " + std::to_string(t.y) + ")";
    };
    for (size_t i = 0; i < p.texte.size(); ++i) {
        const auto& t = p.texte[i];
        if (t.text.empty()) continue;
        const auto a = box(t);
        const auto& r = t.seite >= 1 && t.seite <= static_cast<int>(rahmen.size())
                            ? rahmen[static_cast<size_t>(t.seite - 1)]
                            : std::array<int, 4>{0, 0, w, h};
        if (a[0] < r[0] || a[2] > r[2] || a[1] < r[1] || a[3] > r[3])
            fehler.push_back("outside the page frame: " + name(t));
        for (size_t j = i + 1; j < p.texte.size(); ++j) {
            const auto& u = p.texte[j];
            if (u.seite != t.seite || u.text.empty()) continue;
            const auto b = box(u);
            if (a[0] < b[2] && b[0] < a[2] && a[1] < b[3] && b[1] < a[3])
                fehler.push_back("overlap: " + name(t) + " and " + name(u));
        }
    }
    return fehler;
}

inline int anzahl(const std::vector<std::string>& log, const std::string& zeile) {
    int n = 0;
    for (const std::string& l : log) n += l == zeile;
    return n;
}

}  // namespace kaltest
