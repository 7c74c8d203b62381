// BetriebspunkteDlg: the operating points of the main dialog in a table
// (the first row is the main dialog's own entries, edited there through its
// rules), copies added and removed, "Berechnen" over all of them, and each
// point's figures of the common pack with the binding limit marked.
#pragma once

#include <string>
#include <vector>

#include "ids/dialog_ids.h"
#include "ports/form.h"
#include "projekt/angebotsblock.h"

namespace kal::engine {
struct Kennlinie;
}

namespace kal {

class CBerechnungDlg;

class BetriebspunkteDlgModel : public HandlerDialogModel {
public:
    explicit BetriebspunkteDlgModel(CBerechnungDlg& hd);
    ~BetriebspunkteDlgModel() override;
    std::string dialogName() const override { return "BetriebspunkteDlg"; }
    void geklickt(int id) override;
    void auswahlGeaendert(int id) override;
    void textGeaendert(int id) override;
    void fokusVerloren(int id) override;

    // The points shown (the main dialog's first), the selected one (0 the first).
    int punkte() const;
    int gewaehlt() const { return form().selection(bp::Punkt); }
    void waehlen(int punkt);
    // Column heads with the main dialog's units, by PunktFeld.
    std::vector<std::string> spaltenKoepfe() const;
    // The table again from the main dialog (its entries, units, states).
    void aktualisieren();

    // The result part: per point its figures; the binding point's row and
    // its binding figure marked.
    enum Ergebnisspalte {
        EPunkt,
        EReserve,
        EDpWarm,
        EDpKalt,
        EVSpaltWarm,
        EVSpaltKalt,
        EVStutzenWarm,
        EVStutzenKalt,
        EEngste,
        kErgebnisspalten
    };
    struct Ergebniszeile {
        std::vector<std::string> zellen;
        bool bindend = false;
        int bindendeSpalte = -1;  // the binding figure's column in that row
    };
    std::vector<std::string> ergebnisKoepfe() const;
    std::vector<Ergebniszeile> ergebnisZeilen() const;

    // The performance curve of the selected point's flows for the shown
    // pack (null: no result).
    const engine::Kennlinie* kennlinie() const;
    // The curve chart's texts (section "betriebspunkte").
    std::string fenstertext(const char* key) const;

private:
    void ergebnisSetzen();

    CBerechnungDlg& hd_;
    std::vector<engine::Kennlinie> kennlinien_;  // of the shown result
};

}  // namespace kal
