#include "cli/json_endlich.h"

#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>

using kal::cli::nichtEndlicheZahl;
using Json = nlohmann::ordered_json;

TEST(JsonEndlich, FindsTheFirstNumberJsonCannotHold) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        Json j;
        std::optional<std::string> wo;
    };
    const Fall faelle[] = {
        {Json{{"a", 1.5}, {"b", {1, -0.0, 5e-324}}, {"c", "inf"}, {"d", nullptr}}, std::nullopt},
        {Json(nan), ""},
        {Json{{"fall", {{"warm", {{"volumenstrom", inf}}}}}}, "/fall/warm/volumenstrom"},
        {Json{{"a", 1.0}, {"liste", {2.0, {3.0, -inf}}}, {"z", nan}}, "/liste/1/1"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(nichtEndlicheZahl(f.j), f.wo) << f.j.dump();
}
