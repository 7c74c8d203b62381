#include "spalttypdlg_model.h"

#include "format.h"

namespace kal {

SpalttypDlgModel::SpalttypDlgModel(CSpalttypenZulaessig& tabelle,
                                   const std::map<int, int>& plattentypen, const Data& data,
                                   const CIniEx& sprache, Ports ports)
    : tabelle_(tabelle),
      plattentypen_(plattentypen),
      data_(data),
      sprache_(sprache),
      ports_(ports) {
    Form& f = form();
    setCaption(sprache_.GetValue("plattentypspalttypdlg", "title", ""));
    f.setText(LblMaterial, sprache_.GetValue("plattentypspalttypdlg", "Plattenmaterial", ""));
    f.setText(LblDruckstufe, sprache_.GetValue("plattentypspalttypdlg", "Druckstufe", ""));
    f.setText(Kopf, sprache_.GetValue("plattentypspalttypdlg", "header", ""));
    f.setText(Beispiel, sprache_.GetValue("plattentypspalttypdlg", "example", ""));
    f.setText(Speichern, sprache_.GetValue("plattentypspalttypdlg", "speichern", ""));
    f.setText(Ende, sprache_.GetValue("plattentypspalttypdlg", "ende", ""));

    f.clearItems(Material);
    for (const auto& m : data_.getMaterialPlatteAListe().alle()) {
        if (!m.getZulaessig()) continue;
        materialien_[f.itemCount(Material)] = m.getObjectId();
        f.addItem(Material, m.getName(), m.getObjectId());
    }
    f.select(Material, 0);
    f.clearItems(Druckstufe);
    for (const auto& d : data_.getDruckstufeAListe().alle())
        f.addItem(Druckstufe, formatiere("%i", d.getDruck()), d.getObjectId());
    f.select(Druckstufe, 0);

    gitterAufbauen();
    f.setEnabled(Speichern, false);
    gespeichert_ = false;
}

int SpalttypDlgModel::aktuellesMaterial() const {
    auto it = materialien_.find(form().selection(Material));
    return it == materialien_.end() ? 0 : it->second;
}

int SpalttypDlgModel::aktuelleDruckstufe() const {
    const DruckstufeA* d = data_.getDruckstufeAListe().internalGetAt(form().selection(Druckstufe));
    return d ? d->getObjectId() : 0;
}

void SpalttypDlgModel::gitterAufbauen() {
    spaltenKoepfe_.clear();
    spaltenTypen_.clear();
    zeilenKoepfe_.clear();
    for (const auto& [pos, id] : plattentypen_) {
        const PlattentypA* a = data_.getPlattentypAListe().internalGetForObjectId(id);
        std::string name = a ? a->getName() : std::string();
        for (size_t p = name.find("KXDW"); p != std::string::npos; p = name.find("KXDW", p + 5))
            name.replace(p, 4, "KX DW");
        spaltenKoepfe_.push_back(name);
        spaltenTypen_.push_back(id);
    }
    const auto& typen = data_.getSpalttypListe();
    for (int r = 0; r < kZeilen; ++r) {
        const Spalttyp* t = typen.internalGetAt(r);
        zeilenKoepfe_.push_back(t ? t->getName() : std::string());
    }
    int material = aktuellesMaterial();
    int druckstufe = aktuelleDruckstufe();
    zellen_.assign(kZeilen, std::vector<Zelle>(spaltenTypen_.size()));
    for (size_t c = 0; c < spaltenTypen_.size(); ++c) {
        for (int r = 0; r < kZeilen; ++r) {
            Zelle& z = zellen_[static_cast<size_t>(r)][c];
            z.kontrollkaestchen =
                tabelle_.istStandard(material, spaltenTypen_[c], druckstufe, r) != 0;
            z.an = z.kontrollkaestchen &&
                   tabelle_.istZulaessig(material, spaltenTypen_[c], druckstufe, r) != 0;
        }
    }
    form().setText(Gitter, "");  // tells the view to redraw
}

void SpalttypDlgModel::listeGewechselt() {
    if (geaendert()) return;  // the lists are locked while changes are unsaved
    gitterAufbauen();
}

void SpalttypDlgModel::kaestchenGeklickt(int zeile, int spalte) {
    if (zeile < 0 || zeile >= kZeilen || spalte < 0 || spalte >= spalten()) return;
    Zelle& z = zellen_[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
    if (!z.kontrollkaestchen) return;
    z.an = !z.an;
    form().setEnabled(Material, false);
    form().setEnabled(Druckstufe, false);
    form().setEnabled(Speichern, true);
    form().setText(Gitter, "");
}

void SpalttypDlgModel::inTabelleSchreiben() {
    gespeichert_ = true;
    int material = aktuellesMaterial();
    int druckstufe = aktuelleDruckstufe();
    for (size_t c = 0; c < spaltenTypen_.size(); ++c)
        for (int r = 0; r < kZeilen; ++r) {
            const Zelle& z = zellen_[static_cast<size_t>(r)][c];
            if (!z.kontrollkaestchen) continue;
            if (z.an)
                tabelle_.aktivieren(material, spaltenTypen_[c], druckstufe, r);
            else
                tabelle_.deaktivieren(material, spaltenTypen_[c], druckstufe, r);
        }
}

void SpalttypDlgModel::speichernGeklickt() {
    inTabelleSchreiben();
    form().setEnabled(Material, true);
    form().setEnabled(Druckstufe, true);
    form().setEnabled(Speichern, false);
}

void SpalttypDlgModel::schliessen(bool ueberEnde) {
    if (!geaendert()) {
        close(1);
        return;
    }
    Answer a = Answer::No;
    if (ports_.questions)
        a = ports_.questions->askYesNoCancel(sprache_.GetValue("global", "quest_save", ""), "");
    if (a == Answer::Yes) {
        inTabelleSchreiben();
        close(1);
    } else if (a == Answer::No || !ueberEnde) {
        close(2);  // the close box closes even on Cancel, without storing
    }
}

void SpalttypDlgModel::endeGeklickt() { schliessen(true); }
void SpalttypDlgModel::schliessenAngefordert() { schliessen(false); }

}  // namespace kal
