// A quotation's positions evaluated the way the program opens a project:
// a main model of its own opens the stored bytes and calculates, the
// completion opens on the result with the stored choices, and what the
// position offers is read from it (price, delivery time, identification)
// together with its printouts.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "ports/ports.h"
#include "ports/scripted.h"

namespace kal {

class CDialogProjektDaten;

struct Positionsdokument {
    std::string titel;  // the sheet's title in the quotation's language
    PrintPort::Zeichnung zeichnung;
};

struct Positionsauswertung {
    bool geoeffnet = false;       // the bytes opened as a project
    bool berechnet = false;       // the calculation gave a pack
    bool paketGeaendert = false;  // the stored offer was made for another pack
    std::string plattentyp, leistung, medien, kennung;
    std::optional<long long> einzelpreis;  // cents; none while the offer is incomplete
    std::optional<int> lieferzeit;         // weeks; none: on request or unknown
    std::string lieferzeitText;            // as the completion shows it
    std::string waehrung;
    std::vector<Message> meldungen;  // what opening and calculating said
    // price list, data sheet, plate plan, specification sheet, performance
    // curves (when asked)
    std::vector<Positionsdokument> dokumente;
    std::shared_ptr<CDialogProjektDaten> kopf;  // the documents' page header

    bool vollstaendig() const { return berechnet && einzelpreis.has_value(); }
    // plate type, duty, media: one line
    std::string beschreibung() const;
};

class Mappenauswerter {
public:
    // An application of its own on `appDir` with scripted ports, so that
    // nothing is asked or shown; `sprachcode` is the quotation's language
    // (empty: the stored one, else English). `settings` is only read.
    Mappenauswerter(const std::string& appDir, SettingsPort* settings,
                    const std::string& sprachcode, bool werksmodus);
    ~Mappenauswerter();
    Mappenauswerter(const Mappenauswerter&) = delete;
    Mappenauswerter& operator=(const Mappenauswerter&) = delete;

    // `name` stands for the position in messages.
    Positionsauswertung auswerten(const std::string& projekt, const std::string& name,
                                  bool mitDokumenten);
    CBerechnungApp& app() { return *app_; }

private:
    ScriptedPorts scripted_;
    RecordingMessages meldungen_;
    std::unique_ptr<SettingsPort> einstellungen_;
    std::unique_ptr<CBerechnungApp> app_;
};

}  // namespace kal
