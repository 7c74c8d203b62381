// The accessories and price list of a completed offer item: the device
// with its connections and painting, the accessories, the documentation.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "datalib/ini.h"
#include "ports/ports.h"

namespace kal {

class CDialogProjektDaten;

struct Preisangabe {
    double preis = 0.0;
    bool bekannt = true;
};

// What the list prints, read from the completion dialog when printing.
struct Zubehoerangaben {
    std::string preisCode, geraetekennstring;
    double geraetegrundpreis = 0.0;
    double einzelpreis = 0.0;
    bool einzelpreisVollstaendig = false;
    Preisangabe anschlussWarm, anschlussKalt, lackierung, isolierung, spritzschutz;
    std::string anschlussTextWarm, anschlussTextKalt;
    int entleerungVarianteWarm = 0, entleerungVarianteKalt = 0;
    std::string entleerungTextWarm, entleerungTextKalt, nennweiteTextWarm, nennweiteTextKalt;
    bool sonderlackierung = false, waermeisolierung = false, spritzschutzGewaehlt = false;
    std::string ralNr;
    bool preiseAufAnfrage = false;
    std::string dokuAnzahl, dokuSprache;
    // the documentation boxes in print order: plan, certificates, parts
    // list, approval drawing, schedule, strength, conformity, QC plan
    std::array<bool, 8> dokumente{};
};

// The language keys (section "assemblydialog") of the documentation boxes
// in print order.
extern const std::array<const char*, 8> kDokumentSchluessel;

// The items the list prices that have no price, by their printed names
// (none when the whole list is on request): the list shows them "on
// request", which the user is told before it goes out.
std::vector<std::string> fehlendePreise(const CIniEx& sprache, const Zubehoerangaben& a);

// The warning that names them: a question over several lines for a message
// box, or (`frage` false) one line for a report.
std::string fehlendePreiseText(const CIniEx& sprache, const std::vector<std::string>& posten,
                               bool frage);

// Prints the list as one document (continuing on further pages only when
// it does not fit); false when the device fails.
bool druckeZubehoerliste(PageDevice& dc, const CIniEx& sprache, const CDialogProjektDaten& kopf,
                         const Zubehoerangaben& a);

}  // namespace kal
