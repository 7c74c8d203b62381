#include "ui/main/hinweise.h"

#include <string>

#include "datalib/dialoghilfe.h"

namespace kal::hinweise {

namespace {
struct Tipp {
    int id;
    const char* key;  // section "maindialog"
};
constexpr Tipp kTipps[] = {
    {hd::ErgLeistung, "tip_leistung"},
    {hd::ErgSicherheit, "tip_reserve"},
    {hd::ErgDruckverlustWarm, "tip_dp"},
    {hd::ErgDruckverlustKalt, "tip_dp"},
    {hd::AlfaWarm, "tip_alfa"},
    {hd::AlfaKalt, "tip_alfa"},
    {hd::VMinWarm, "tip_vmin"},
    {hd::VMinKalt, "tip_vmin"},
    {hd::VMaxWarm, "tip_vmax"},
    {hd::VMaxKalt, "tip_vmax"},
    {hd::VStutzenWarm, "tip_vstutzen"},
    {hd::VStutzenKalt, "tip_vstutzen"},
    {hd::KRein, "tip_krein"},
    {hd::KErf, "tip_kerf"},
    {hd::KEff, "tip_keff"},
    {hd::FoulingSoll, "tip_foulingsoll"},
    {hd::FoulingIst, "tip_foulingist"},
    {hd::Cmtd, "tip_cmtd"},
    {hd::Flaeche, "tip_flaeche"},
    {hd::Gewicht, "tip_gewicht"},
    {hd::Lieferzeit, "tip_lieferzeit"},
    {hd::Preis, "tip_preis"},
    {hd::CustomPreis, "tip_custompreis"},
    {hd::ErgPlattentyp, "tip_plattentyp"},
    {hd::ErgSpalten, "tip_spalten"},
    {hd::ErgSerien, "tip_serien"},
    // the frame dimensions by the numbers of the drawing above them
    {hd::Hoehe, "tip_hoehe"},
    {hd::Breite, "tip_breite"},
    {hd::LaengeTotal, "tip_laenge"},
    {hd::StutzenHorizontal, "tip_stutzenh"},
    {hd::StutzenVertikal, "tip_stutzenv"},
    {hd::BildGestell, "tip_bild"},
};
}  // namespace

void anwenden(Form& f, const CIniEx& sprache, const std::set<int>& berechnet,
              std::span<const Grenzhinweis> grenzen, const Berechnungsergebnis* ergebnis) {
    auto text = [&](const char* key) { return sprache.GetValue("maindialog", key, ""); };
    for (const Tipp& t : kTipps) {
        f.setToolTip(t.id, text(t.key));
        f.setEmphasis(t.id, Emphasis::None);
    }
    for (int id : kBilanzFelder) {
        const bool ja = berechnet.count(id) > 0;
        f.setToolTip(id, ja ? text("tip_berechnet") : std::string());
        f.setEmphasis(id, ja ? Emphasis::Computed : Emphasis::None);
    }
    for (const Grenzhinweis& g : grenzen) {
        const std::string eigen = f.find(g.control) ? f.find(g.control)->toolTip : std::string();
        f.setToolTip(g.control, eigen.empty() ? g.text : eigen + "\n" + g.text);
        f.setEmphasis(g.control, Emphasis::Warning);
    }
    std::string platten;
    if (ergebnis && ergebnis->spaltenGesamt > 0) {
        // n = 2f + 1 plates for f channels per side
        const std::string werte[] = {std::to_string(ergebnis->spaltenGesamt / 2),
                                     std::to_string(ergebnis->spaltenGesamt + 1)};
        platten = einsetzen(text("plattenzahl"), werte);
    }
    f.setText(hd::ErgPlatten, platten);
}

}  // namespace kal::hinweise
