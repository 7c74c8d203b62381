// Control ids of the user-defined medium dialog (DialogAddMedium). This table
// is the only place that spells these numbers.
#pragma once

namespace kal::am {

enum : int {
    LabelName = 1389,
    Name = 1149,
    Gas = 1412,
    LabelViskositaet = 1291,
    Viskositaet = 1153,
    EinheitViskositaet = 1163,
    LabelViskositaetWand = 1295,
    ViskositaetWand = 1154,
    EinheitViskositaetWand = 1165,
    LabelDichte = 1292,
    Dichte = 1151,
    EinheitDichte = 1210,
    LabelWaermekapazitaet = 1293,
    Waermekapazitaet = 1411,
    EinheitWaermekapazitaet = 1157,
    LabelWaermeleitfaehigkeit = 1294,
    Waermeleitfaehigkeit = 1152,
    EinheitWaermeleitfaehigkeit = 1156,
    LabelAlfa = 1405,
    Alfa = 1027,
    EinheitAlfa = 1256,
    LabelHinweis = 1419,
    Speichern = 1164,
    Leeren = 1148,
    Abbrechen = 2,
    VorlageOk = 1213,  // the template's OK button, hidden
};

}  // namespace kal::am
