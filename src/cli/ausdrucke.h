// `offer ... --out DIR`: the folder the offer's files go to, and the
// printouts as PDF files.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/sitzung.h"
#include "engine/kennlinie.h"
#include "ui/completion/completion_model.h"

namespace kal::cli {

// The output folder: created with the first file that goes into it, and
// removed again at the end when this run created it and left it empty.
class Ausgabeordner {
public:
    explicit Ausgabeordner(std::string pfad) : pfad_(std::move(pfad)) {}
    ~Ausgabeordner();
    Ausgabeordner(const Ausgabeordner&) = delete;
    Ausgabeordner& operator=(const Ausgabeordner&) = delete;

    // The path of `name` in the folder, which is created when missing;
    // nullopt with `grund` when it cannot be.
    std::optional<std::string> datei(const std::string& name, std::string& grund);
    // Writes `name` through a temporary file; a failure is reported with
    // the file and the reason.
    bool schreiben(const std::string& name, const std::string& inhalt, MessagePort& meldungen,
                   const CIniEx& sprache);
    // Draws a printout into the PDF file `name`, with the same report.
    bool pdf(const std::string& name, const std::string& titel, const PrintPort::Zeichnung& z,
             MessagePort& meldungen, const CIniEx& sprache);
    // The scripted printer's device: the document goes to the PDF file
    // `name` (its failure is left to the dialog that prints).
    Druckausgang pdfGeraet(const std::string& name, const std::string& titel,
                           const PrintPort::Zeichnung& z);
    // Notes a file that a dialog wrote into the folder.
    void geschrieben(const std::string& pfad) { dateien_.push_back(pfad); }
    // Every file written, in order.
    const std::vector<std::string>& dateien() const { return dateien_; }
    const std::string& pfad() const { return pfad_; }

private:
    std::string pfad_;
    bool angelegt_ = false;
    std::vector<std::string> dateien_;
};

// Draws `z` into the PDF file `datei` (through a temporary file; an old
// file stays when it fails).
Druckausgang pdfDatei(const std::string& datei, const std::string& titel,
                      const PrintPort::Zeichnung& z);

// Writes price-list.pdf, data-sheet.pdf and plate-plan.pdf into the
// folder; false when one could not be written (reported to `meldungen`).
bool ausdruckeSchreiben(Ausgabeordner& ordner, CBerechnungApp& app, const CAssembly& dlg,
                        const Berechnungsfall& fall, MessagePort& meldungen);

// `calc --curve`: the curve sheet of `paket` into `datei`, below the
// project's page header; a failure is reported to the session's messages.
bool kennlinienSchreiben(Sitzung& s, const std::string& datei,
                         const std::vector<engine::Kennlinie>& kurven,
                         const Berechnungsergebnis& paket);
// The curves as `calc --json` adds them.
Json kennlinienJson(const std::vector<engine::Kennlinie>& kurven);

}  // namespace kal::cli
