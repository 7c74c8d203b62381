#include "ui/main/spalttypdlg_model.h"

#include "datalib/dialoghilfe.h"
#include "datalib/format.h"

namespace kal {

namespace {
constexpr Beschriftung kBeschriftungen[] = {
    {sg::LabelMaterial, "plattentypspalttypdlg", "Plattenmaterial"},
    {sg::LabelDruckstufe, "plattentypspalttypdlg", "Druckstufe"},
    {sg::LabelKopf, "plattentypspalttypdlg", "header"},
    {sg::LabelBeispiel, "plattentypspalttypdlg", "example"},
    {sg::Speichern, "plattentypspalttypdlg", "speichern"},
    {sg::Ende, "plattentypspalttypdlg", "ende"},
};
}  // namespace

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
    beschriftungenSetzen(f, sprache_, kBeschriftungen);

    f.clearItems(sg::Material);
    for (const auto& m : data_.getMaterialPlatteAListe().alle()) {
        if (!m.getZulaessig()) continue;
        materialien_[f.itemCount(sg::Material)] = m.getObjectId();
        f.addItem(sg::Material, m.getName(), m.getObjectId());
    }
    f.select(sg::Material, 0);
    f.clearItems(sg::Druckstufe);
    for (const auto& d : data_.getDruckstufeAListe().alle())
        f.addItem(sg::Druckstufe, formatiere("%i", d.getDruck()), d.getObjectId());
    f.select(sg::Druckstufe, 0);

    gitterAufbauen();
    f.setEnabled(sg::Speichern, false);
    gespeichert_ = false;
}

int SpalttypDlgModel::aktuellesMaterial() const {
    auto it = materialien_.find(form().selection(sg::Material));
    return it == materialien_.end() ? 0 : it->second;
}

int SpalttypDlgModel::aktuelleDruckstufe() const {
    const DruckstufeA* d =
        data_.getDruckstufeAListe().internalGetAt(form().selection(sg::Druckstufe));
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
    form().setText(sg::Gitter, "");  // tells the view to redraw
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
    form().setEnabled(sg::Material, false);
    form().setEnabled(sg::Druckstufe, false);
    form().setEnabled(sg::Speichern, true);
    form().setText(sg::Gitter, "");
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
    form().setEnabled(sg::Material, true);
    form().setEnabled(sg::Druckstufe, true);
    form().setEnabled(sg::Speichern, false);
}

void SpalttypDlgModel::schliessen(bool ueberEnde) {
    if (!geaendert()) {
        close(1);
        return;
    }
    Answer a = Answer::No;
    if (ports_.questions)
        a = ports_.questions->askYesNoCancel(sprache_.GetValue("global", "quest_save", ""), "",
                                             antwortTexte(sprache_));
    if (a == Answer::Yes) {
        inTabelleSchreiben();
        close(1);
    } else if (a == Answer::No || !ueberEnde) {
        close(2);  // the close box closes even on Cancel, without storing
    }
}

void SpalttypDlgModel::endeGeklickt() { schliessen(true); }
void SpalttypDlgModel::schliessenAngefordert() { schliessen(false); }

void SpalttypDlgModel::ereignis(int id, BindEvent e) {
    if (e == BindEvent::Changed && (id == sg::Material || id == sg::Druckstufe))
        listeGewechselt();
    else if (e == BindEvent::Clicked && id == sg::Speichern)
        speichernGeklickt();
    else if (e == BindEvent::Clicked && id == sg::Ende)
        endeGeklickt();
}

}  // namespace kal
