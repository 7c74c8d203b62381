// Reading a recording page back: the texts drawn, their place and font.
#pragma once

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

inline int anzahl(const std::vector<std::string>& log, const std::string& zeile) {
    int n = 0;
    for (const std::string& l : log) n += l == zeile;
    return n;
}

}  // namespace kaltest
