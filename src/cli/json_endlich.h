// The JSON writer prints a NaN or an infinity as null, which a reader takes
// for a missing value. The CLI looks for such numbers before it prints.
#pragma once

#include <cmath>
#include <optional>
#include <string>

namespace kal::cli {

// JSON pointer ("/ergebnis/flaeche") of the first number that is not finite;
// nullopt when every number is.
template <class J>
std::optional<std::string> nichtEndlicheZahl(const J& j, const std::string& pfad = "") {
    if (j.is_number_float() && !std::isfinite(j.template get<double>())) return pfad;
    if (j.is_object()) {
        for (auto it = j.begin(); it != j.end(); ++it)
            if (auto p = nichtEndlicheZahl(it.value(), pfad + "/" + it.key())) return p;
    } else if (j.is_array()) {
        for (size_t i = 0; i < j.size(); ++i)
            if (auto p = nichtEndlicheZahl(j[i], pfad + "/" + std::to_string(i))) return p;
    }
    return std::nullopt;
}

}  // namespace kal::cli
