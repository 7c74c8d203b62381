// Writing a whole file so that it is either complete or not there: every
// file the program writes (project, PDF, tender text, hand-over) goes
// through here.
#pragma once

#include <string>

namespace kal {

// Writes through a temporary file in the same folder, checks every write,
// the flush to the disk and the close, then renames it over the target. A
// failure leaves an existing file as it was, removes the temporary file and
// puts the system's reason into `fehler`.
bool dateiSicherSchreiben(const std::string& pfad, const std::string& inhalt,
                          std::string* fehler = nullptr);

}  // namespace kal
