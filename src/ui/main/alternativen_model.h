// AlternativenDlg: the packs of the last run in a table sorted by any
// column (the result marked), the limits of the selected pack, and without a
// result the reasons. "Use this pack" hands the selected pack back to the
// main dialog, which continues with it in rating.
#pragma once

#include <string>
#include <vector>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "engine/alternativen.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"

namespace kal {

class CBerechnungDlg;

class AlternativenDlgModel : public HandlerDialogModel {
public:
    enum Spalte {
        Nr,
        Preis,
        Typ,
        Platten,
        Serien,
        Reserve,
        DpWarm,
        DpKalt,
        Bindend,
        Flaeche,
        Warm,
        Kalt,
        Gewicht,
        Lieferzeit,
        kSpalten
    };
    struct Zelle {
        std::string text;
        double wert = 0.0;  // the sort key of a number column
    };

    AlternativenDlgModel(engine::Alternativenbericht bericht, const Data& data,
                         const CIniEx& sprache);
    std::string dialogName() const override { return "AlternativenDlg"; }
    void geklickt(int id) override;

    const std::vector<std::string>& spaltenKoepfe() const { return koepfe_; }
    int zeilen() const { return static_cast<int>(reihenfolge_.size()); }
    // Row `zeile` as shown (after sorting).
    const Zelle& zelle(int zeile, int spalte) const;
    bool istErgebnis(int zeile) const { return paket(zeile) == 0; }
    // By a column; the same column again turns the order round.
    void sortieren(int spalte);
    int sortSpalte() const { return sortSpalte_; }
    bool absteigend() const { return absteigend_; }
    void waehlen(int zeile);
    int gewaehlt() const { return gewaehlt_; }

    // The limits of the selected pack: name, value, limit, margin; the
    // binding one in `bindend`.
    struct Grenzzeile {
        std::string name, wert, erlaubt, abstand;
        bool bindend = false;
    };
    std::vector<Grenzzeile> grenzZeilen() const;
    std::vector<std::string> grenzKoepfe() const;

    // The chart: the shown price of each priced pack over its area reserve
    // (%) or over the tighter margin of its two pressure drops (%), with the
    // row it stands in; packs without a price are left out.
    struct Diagrammpunkt {
        double x = 0.0, preis = 0.0;
        int zeile = -1;
        bool ergebnis = false, gewaehlt = false;
    };
    bool achseDruck() const { return form().checked(alt::AchseDruck); }
    std::vector<Diagrammpunkt> diagramm() const;
    std::string diagrammAchse() const;
    std::string diagrammPreisAchse() const;
    // A text of the window (section "alternatives"): the chart's legend.
    std::string fenstertext(const char* key) const;

    // The pack chosen with "use this pack" (null: none).
    const Berechnungsergebnis* uebernommen() const {
        return uebernommen_ < 0 ? nullptr
                                : &bericht_.pakete[static_cast<size_t>(uebernommen_)].ergebnis;
    }

private:
    int paket(int zeile) const { return reihenfolge_.at(static_cast<size_t>(zeile)); }

    engine::Alternativenbericht bericht_;
    const CIniEx& sprache_;
    std::vector<std::string> koepfe_;
    std::vector<std::vector<Zelle>> zellen_;  // by pack
    std::vector<int> reihenfolge_;            // shown row -> pack
    int sortSpalte_ = Nr;
    bool absteigend_ = false;
    int gewaehlt_ = -1;
    int uebernommen_ = -1;
};

// The main dialog continues with pack `e` in rating: its plate type,
// channels, passes and warm channel types entered, the result reset.
void paketUebernehmen(CBerechnungDlg& d, const Berechnungsergebnis& e);

}  // namespace kal
