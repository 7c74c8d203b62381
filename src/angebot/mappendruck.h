// The quotation as one printed document: the covering letter with the
// contents, the positions with their prices, the totals and the terms;
// then, when asked, each position's printouts. Pages are numbered through
// the whole document in the header every sheet shares.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "angebot/angebotsmappe.h"
#include "angebot/mappenauswertung.h"
#include "angebot/mappensummen.h"
#include "datalib/ini.h"
#include "druck/projektdaten.h"
#include "ports/ports.h"

namespace kal {

class Sammelangebot;

struct Mappenzeile {
    int nummer = 0, menge = 1;
    std::string plattentyp, beschreibung, kennung, text;
    std::string hinweis;  // incomplete offer, another pack, no pack
    std::optional<long long> einzelpreis, gesamt;
};

// What the document prints, taken when printing starts.
struct Mappenangaben {
    Angebotsmappe mappe;
    std::vector<Mappenzeile> zeilen;
    Mappensummen summen;
    std::string waehrung;
    // per position its printouts (empty without them) and their header
    std::vector<std::vector<Positionsdokument>> dokumente;
    std::vector<std::shared_ptr<CDialogProjektDaten>> koepfe;
};

// Draws the whole document; false when the device fails.
bool druckeAngebotsmappe(PageDevice& dc, const CIniEx& sprache, CDialogProjektDaten& kopf,
                         Mappenangaben& a);

// The positions evaluated (with their printouts when `dokumente`, for the
// positions that take them) and the document ready to draw, in the
// quotation's language.
PrintPort::Zeichnung mappenZeichnung(Sammelangebot& s, bool dokumente);

// The header's project data of the quotation's own pages.
Projektdaten mappenProjektdaten(CBerechnungApp& app, const Angebotsmappe& m);

}  // namespace kal
