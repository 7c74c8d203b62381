// Control ids of the channel-type permission grid (PlattentypSpalttypDlg).
// This table is the only place that spells these numbers.
#pragma once

namespace kal::sg {

enum : int {
    LabelMaterial = 1012,
    Material = 1003,
    LabelDruckstufe = 1013,
    Druckstufe = 1006,
    LabelKopf = 1378,
    Gitter = 1377,
    LabelBeispiel = 1379,
    Speichern = 3,
    Ende = 1427,
};

}  // namespace kal::sg
