// `offer ... --out DIR --pdf`: the offer's printouts as PDF files.
#pragma once

#include <string>

#include "ui/completion/completion_model.h"

namespace kal::cli {

// Draws one printout into the PDF file `pfad` (A4), without a screen.
bool alsPdf(const std::string& pfad, const std::string& titel, const PrintPort::Zeichnung& z);

// Writes price-list.pdf, data-sheet.pdf and plate-plan.pdf into
// `verzeichnis` (created when missing); 0 on success, 1 when a file could
// not be written.
int ausdruckeSchreiben(const std::string& verzeichnis, CBerechnungApp& app, const CAssembly& dlg,
                       const Berechnungsfall& fall);

}  // namespace kal::cli
