// CDialogProjektDaten: the project-data dialog every printout runs first
// (customer, project, position, clerk, telephone, offer date of the
// project; clerk and telephone remembered per user as defaults for new
// projects) and the printer of the page header all sheets share.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "app/app.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

// The project data of a page header: what the dialog asks for and remembers.
struct Projektdaten {
    std::string kunde, projekt, position, sachbearbeiter, telefon, datum;
    int revision = 0;  // the offer's revision; the header names one from 1 on
    bool operator==(const Projektdaten&) const = default;
};

// A new project's data: clerk and telephone as remembered per user, the
// offer date today, the rest empty.
Projektdaten projektdatenVorgabe(CBerechnungApp& app);

struct Rechteck {
    int left = 0, top = 0, right = 0, bottom = 0;
};

class CDialogProjektDaten : public HandlerDialogModel {
public:
    // A new project's data (projektdatenVorgabe).
    explicit CDialogProjektDaten(CBerechnungApp& app);
    // The data a project holds.
    CDialogProjektDaten(CBerechnungApp& app, const Projektdaten& p);
    std::string dialogName() const override { return "CDialogProjektDaten"; }
    // Print, preview and PDF store the values and close the dialog with
    // OK; the button chosen is the target.
    void geklickt(int id) override;
    Druckziel ziel() const { return ziel_; }

    // The four values the specification keeps: clerk, project, position,
    // telephone.
    void SetProjektdaten(const std::string& sachbearbeiter, const std::string& projekt,
                         const std::string& position, const std::string& telefon);
    Projektdaten projektdaten() const;

    // The page header inside `r`: logo, the sheet's title (language section
    // `abschnitt`) with "page n of m" when the sheet has more than one, the
    // project data, the price code, the identification string where the
    // settings show it (`kennstring` 1), and the page frame, whose right
    // edge lies at `rechts` of the width (a sheet whose body reaches
    // further moves it out). A long value wraps or is set smaller within
    // its own column. Gives the first body line.
    int KopfDrucken(PageDevice& dc, const Rechteck& r, const std::string& kennstring,
                    const std::string& preisCode, const std::string& abschnitt, int seite,
                    int seiten, double rechts = 0.95) const;
    // Whether the settings show the device identification (key
    // `kennstring` of section "Daten" exactly "1"), as in the dialogs.
    bool kennungGezeigt() const;

    CBerechnungApp& app() const { return app_; }

    // Sheets drawn into one bigger document number its pages through: the
    // header then prints the page and count `zaehlung` gives rather than
    // the sheet's own (a count of 0 while the pages are still counted).
    using Seitenzaehlung = std::function<std::pair<int, int>()>;
    void durchgehendZaehlen(Seitenzaehlung zaehlung) { zaehlung_ = std::move(zaehlung); }
    // The customer and project the header shows where this project leaves
    // them empty (a quotation's, on the pages of its positions).
    void ersatzSetzen(std::optional<Projektdaten> p) { ersatz_ = std::move(p); }

private:
    std::string text(const char* key) const;
    bool speichern();

    CBerechnungApp& app_;
    Druckziel ziel_ = Druckziel::Drucker;
    int revision_ = 0;
    Seitenzaehlung zaehlung_;
    std::optional<Projektdaten> ersatz_;
};

// Today as the offer date, "dd.mm.yyyy".
std::string heutigesDatum();

}  // namespace kal
