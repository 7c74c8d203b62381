// Control ids of the language choice (DialogSettings). This table is the
// only place that spells these numbers.
#pragma once

namespace kal::sprache {

enum : int {
    Ok = 1,
    Abbrechen = 2,
    LabelSprache = 1132,
    Sprache = 1134,
};

}  // namespace kal::sprache
