// Control ids of the about box (DialogInfo). This table is the only place
// that spells these numbers.
#pragma once

namespace kal::info {

enum : int {
    Ok = 1,
    Symbol = 128,
    Zeile1 = 1371,
    Zeile2 = 1372,  // program version and date
    Zeile3 = 1373,
    Zeile4 = 1374,
    Zeile5 = 1375,
    Zeile6 = 1376,
};

}  // namespace kal::info
