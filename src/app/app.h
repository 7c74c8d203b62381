// CBerechnungApp: the objects every dialog shares for the whole run
// (application directory, settings and language file, data root,
// Werksmodus) and the start-up that creates them in a fixed order.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "ports/ports.h"

namespace kal {

class CBerechnungApp {
public:
    // The main dialog, run modally by start-up; it returns when the dialog
    // closes. Wired by the front end so the core needs no dialog code.
    using Hauptdialog = std::function<void(CBerechnungApp&)>;

    CBerechnungApp(Ports ports, bool werksmodus);
    ~CBerechnungApp();
    CBerechnungApp(const CBerechnungApp&) = delete;
    CBerechnungApp& operator=(const CBerechnungApp&) = delete;

    // Start-up: application directory, shared objects, language, main
    // dialog, exit. `appDir` empty: the current working directory.
    // Returns 0 (no message loop is to run afterwards).
    int start(const Hauptdialog& hauptdialog, const std::string& appDir = std::string());

    // Creation steps of start-up, also used on their own by tests and the
    // CLI: directory, both INI files, data root, settings file.
    void erzeugeObjekte(const std::string& appDir);
    // Reads the stored language and settles it (asking at the first start),
    // then opens its language file.
    void spracheFestlegen();
    // Exit order: data root, language file, settings file.
    void beenden();

    CIniEx& getSettings() { return *settings_; }
    CIniEx& getSprache() { return *sprache_; }
    const CIniEx& getSettings() const { return *settings_; }
    const CIniEx& getSprache() const { return *sprache_; }
    Data& getData() { return *data_; }
    bool hatData() const { return data_ != nullptr; }
    const std::string& getAppDir() const { return appDir_; }
    bool getWerksmodus() const { return werksmodus_; }
    const Ports& getPorts() const { return ports_; }

    const std::string& getSprachcode() const { return sprachcode_; }
    // Doesn't reload the language file.
    void setSprachcode(const std::string& code) { sprachcode_ = code; }

    // Section "languages" of the settings file.
    std::string anzeigeName(const std::string& code) const;
    std::string codeVonAnzeigeName(const std::string& name) const;

    // Opens the language file for `code` with the fallbacks to "uk" and
    // "de"; the current code is left alone. false when all three failed.
    bool spracheOeffnen(const std::string& code);
    // Stored language as a code; empty when missing, too long or no longer
    // listed. Opens the key itself.
    std::string spracheLesen();
    // Stores the display name of the current code; false on failure.
    bool spracheSpeichern();
    // Runs DialogSettings modally; the chosen display name on OK.
    std::optional<std::string> spracheAuswaehlen();

    std::string sprachDateiPfad(const std::string& code) const;

    // Told the code of every language file opened, the fallback's when the
    // asked one failed: the front end puts its toolkit's texts in line.
    void beiSprachwechsel(std::function<void(const std::string& code)> f) {
        sprachwechsel_ = std::move(f);
    }

    // Werksmodus from the command line switch or KALVORIA_WERKSMODUS=1.
    static bool werksmodusAus(int argc, char** argv);

private:
    Ports ports_;
    bool werksmodus_;
    std::string appDir_;
    std::string sprachcode_;
    std::unique_ptr<CIniEx> settings_;
    std::unique_ptr<CIniEx> sprache_;
    std::unique_ptr<Data> data_;
    std::function<void(const std::string&)> sprachwechsel_;
};

}  // namespace kal
