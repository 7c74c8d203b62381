// Per-user settings under "Software\kalvoria": opening the key the same way
// everywhere, bounded reads and the "unit" value of the main dialog.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "datalib/ini.h"
#include "ports/ports.h"

namespace kal {

// Largest value the readers accept; a longer stored value counts as missing
// (the fixed buffers of the stored format never held more).
constexpr std::size_t kMaxSpracheLaenge = 64;
constexpr std::size_t kMaxUnitLaenge = 200;

// Opens the key (creating it when missing). On failure shows section
// "error", key "readregistry" with `caption` (empty: default caption) and
// returns false. `sprache` may be empty; the message then has an English
// text so the user still learns what failed.
bool registryOeffnen(SettingsPort* settings, MessagePort* messages, const CIniEx& sprache,
                     const std::string& caption = std::string());

// Writes a value after opening the key; on failure the same message as
// registryOeffnen and false.
bool registrySchreiben(SettingsPort* settings, MessagePort* messages, const CIniEx& sprache,
                       const std::string& name, const std::string& value,
                       const std::string& caption = std::string());

// Reads a value after the key was opened; nullopt when missing, empty or
// longer than `maxLaenge` bytes.
std::optional<std::string> registryLesen(SettingsPort& settings, const std::string& name,
                                         std::size_t maxLaenge);

// The 15 integers of value "unit", in stored order.
using UnitWerte = std::array<int, 15>;
// C integer conversion per comma-separated token; missing tokens are 0.
UnitWerte unitWerteLesen(const std::string& text);
std::string unitWerteText(const UnitWerte& werte);

}  // namespace kal
