// What a calculation needs besides the case: the engineering data, the
// works mode, the channel-type permissions and the released plate types.
#pragma once

#include <utility>
#include <vector>

#include "datalib/data.h"
#include "permissions/spalttypen_zulaessig.h"

namespace kal::engine {

struct Rechenkontext {
    explicit Rechenkontext(const Data& d, bool werks = false,
                           const CSpalttypenZulaessig* z = nullptr,
                           std::vector<int> freigegeben = {})
        : data(d),
          werksmodus(werks),
          zulaessig(z),
          freigegebenePlattentypen(std::move(freigegeben)) {}

    const Data& data;
    bool werksmodus = false;
    const CSpalttypenZulaessig* zulaessig = nullptr;  // null: library defaults
    // Object ids of the released plate types in the main dialog's order;
    // empty: every PlattentypU with getZulaessig, in list order.
    std::vector<int> freigegebenePlattentypen;
};

}  // namespace kal::engine
