// PlattentypSpalttypDlg: the channel-type permission grid for one plate
// material and pressure stage: a row per channel type, a column per
// permitted plate type, a check box wherever the library permits the type.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "ids/dialog_ids.h"
#include "permissions/spalttypen_zulaessig.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

class SpalttypDlgModel : public DialogModel {
public:
    static constexpr int kZeilen = 9;  // channel-type positions 0..8

    struct Zelle {
        bool kontrollkaestchen = false;  // the library permits the type here
        bool an = false;
    };

    SpalttypDlgModel(CSpalttypenZulaessig& tabelle, const std::map<int, int>& plattentypen,
                     const Data& data, const CIniEx& sprache, Ports ports);

    std::string dialogName() const override { return "PlattentypSpalttypDlg"; }
    void ereignis(int id, BindEvent e) override;

    // Grid content: column headers (plate type names) with their ids, row
    // headers (channel type names), cells [row][column] from 0.
    const std::vector<std::string>& spaltenKoepfe() const { return spaltenKoepfe_; }
    const std::vector<int>& spaltenTypen() const { return spaltenTypen_; }
    const std::vector<std::string>& zeilenKoepfe() const { return zeilenKoepfe_; }
    const Zelle& zelle(int zeile, int spalte) const { return zellen_.at(zeile).at(spalte); }
    int spalten() const { return static_cast<int>(spaltenTypen_.size()); }

    void listeGewechselt();                         // material or stage changed: rebuild
    void kaestchenGeklickt(int zeile, int spalte);  // toggles a check box cell
    void speichernGeklickt();                       // sg::Speichern
    void endeGeklickt();                            // sg::Ende
    void schliessenAngefordert();                   // the window's close box
    bool gespeichert() const { return gespeichert_; }
    bool geaendert() const { return form().enabled(sg::Speichern); }

private:
    void gitterAufbauen();
    void inTabelleSchreiben();
    void schliessen(bool ueberEnde);
    int aktuellesMaterial() const;
    int aktuelleDruckstufe() const;

    CSpalttypenZulaessig& tabelle_;
    std::map<int, int> plattentypen_;
    const Data& data_;
    const CIniEx& sprache_;
    Ports ports_;
    std::map<int, int> materialien_;  // list position -> material id
    std::vector<std::string> spaltenKoepfe_, zeilenKoepfe_;
    std::vector<int> spaltenTypen_;
    std::vector<std::vector<Zelle>> zellen_;
    bool gespeichert_ = false;
};

}  // namespace kal
