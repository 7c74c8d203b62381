// Where the program finds its files (kalvoria.ini, data/, language/, ...):
// one rule for the desktop program and the command line.
#pragma once

#include <optional>
#include <string>

namespace kal {

// A folder holding kalvoria.ini and data/.
bool istAnwendungsverzeichnis(const std::string& pfad);

// The application directory, in this order: `option` (--appdir) when
// given; the executable's own folder when it is one (the tree scripts/run
// installs into); `vonBin` relative to that folder (an installation under a
// prefix); else `arbeitsverzeichnis`, as for an executable of a build tree.
// `programm` is the executable's path, empty when unknown. The result is
// absolute and has no trailing separator.
std::string anwendungsverzeichnis(const std::string& option, const std::string& programm,
                                  const std::string& arbeitsverzeichnis, const std::string& vonBin);

// The running executable (/proc/self/exe), else `argv0` when it names a
// path; empty when neither tells.
std::string laufendesProgramm(const char* argv0);

// Start-up of both front ends, with the installation's own `vonBin`
// (bin/ -> share/kalvoria/ under one prefix): an --appdir `option` becomes the working
// directory too, so relative paths on the command line name files in it;
// otherwise the working directory stays. nullopt with `fehler` set when
// the option names no usable folder.
std::optional<std::string> anwendungsverzeichnisFestlegen(const std::string& option,
                                                          const char* argv0, std::string& fehler);

}  // namespace kal
