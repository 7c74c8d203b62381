// DialogAddMedium: a medium that is not in the fluid list, entered with
// its name, gas flag and property values. One record per side.
#pragma once

#include <array>
#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "datalib/inputhelper.h"
#include "ids/dialog_ids.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

// Order of the six quantities everywhere: viscosity, viscosity at the wall,
// density, specific heat capacity, thermal conductivity, heat transfer
// coefficient.
enum EigeneGroesse {
    EG_Viskositaet,
    EG_ViskositaetWand,
    EG_Dichte,
    EG_Waermekapazitaet,
    EG_Waermeleitfaehigkeit,
    EG_Alfa,
    EG_Anzahl
};

struct EigenesMedium {
    std::string name;
    bool gas = false;
    // viscosities in mPa s (unit position 1 of the viscosity group), the
    // others in the base units of their groups
    std::array<double, EG_Anzahl> werte{};
    std::array<int, EG_Anzahl> einheiten{};  // selected unit list positions
    bool gespeichert = false;                // confirmed at least once for the side
    bool benutzt = false;                    // the side's medium list stands on it
};

using EigeneMedien = std::array<EigenesMedium, 2>;  // warm, cold

class AddMediumModel : public DialogModel {
public:
    static const std::array<int, EG_Anzahl> kEdits;
    static const std::array<int, EG_Anzahl> kEinheitenListen;
    static const std::array<int, EG_Anzahl> kGruppen;  // unit group index per quantity

    // seite 0 warm ("unit2"), 1 cold ("unit3"); `vorher` prefills when the
    // side has a stored record.
    AddMediumModel(const Data& data, const CIniEx& sprache, Ports ports, int seite,
                   const std::string& titel, const EigenesMedium* vorher);

    std::string dialogName() const override { return "DialogAddMedium"; }
    void ereignis(int id, BindEvent e) override;

    void gasGeklickt();        // am::Gas
    void leerenGeklickt();     // am::Leeren
    void speichernGeklickt();  // am::Speichern
    void abbrechenGeklickt();  // am::Abbrechen

    // Valid after a confirmed close (result 1).
    const EigenesMedium& ergebnis() const { return ergebnis_; }

private:
    void gasRegel();
    void einheitenLesen();
    void registryMeldung() const;  // the unit positions could not be read or stored
    const Einheit* einheit(int groesse, int position) const;
    std::string registryName() const { return seite_ == 0 ? "unit2" : "unit3"; }

    const Data& data_;
    const CIniEx& sprache_;
    Ports ports_;
    int seite_;
    InputHelper input_;
    EigenesMedium ergebnis_;
};

}  // namespace kal
