#include "app/app.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/dialogsettings.h"
#include "app/registry.h"

namespace kal {

CBerechnungApp::CBerechnungApp(Ports ports, bool werksmodus)
    : ports_(ports),
      werksmodus_(werksmodus),
      settings_(std::make_unique<CIniEx>(4)),
      sprache_(std::make_unique<CIniEx>(4)) {}

CBerechnungApp::~CBerechnungApp() { beenden(); }

void CBerechnungApp::erzeugeObjekte(const std::string& appDir) {
    appDir_ = appDir;
    if (appDir_.empty()) {
        std::error_code ec;
        appDir_ = std::filesystem::current_path(ec).string();
    }
    while (appDir_.size() > 1 && (appDir_.back() == '/' || appDir_.back() == '\\'))
        appDir_.pop_back();
    settings_ = std::make_unique<CIniEx>(4);
    sprache_ = std::make_unique<CIniEx>(4);
    data_ = std::make_unique<Data>(appDir_ + "/data/");
    settings_->Open(appDir_ + "/kalvoria.ini", 1, 0, 0, 0);  // missing file: defaults
}

void CBerechnungApp::spracheFestlegen() {
    std::string code = spracheLesen();
    if (code.empty()) {
        sprachcode_ = "uk";
        spracheOeffnen("uk");
        // An empty choice (no languages listed) keeps "uk": there is no
        // language file for an empty code.
        if (std::optional<std::string> name = spracheAuswaehlen()) {
            std::string gewaehlt = codeVonAnzeigeName(*name);
            if (!gewaehlt.empty()) sprachcode_ = gewaehlt;
        }
        spracheSpeichern();
    } else {
        sprachcode_ = code;
    }
    spracheOeffnen(sprachcode_);
}

int CBerechnungApp::start(const Hauptdialog& hauptdialog, const std::string& appDir) {
    erzeugeObjekte(appDir);
    spracheFestlegen();
    if (hauptdialog) hauptdialog(*this);
    beenden();
    return 0;
}

void CBerechnungApp::beenden() {
    data_.reset();
    sprache_.reset();
    settings_.reset();
    // Keep the accessors valid after exit.
    sprache_ = std::make_unique<CIniEx>(4);
    settings_ = std::make_unique<CIniEx>(4);
}

std::string CBerechnungApp::anzeigeName(const std::string& code) const {
    return settings_->GetValue("languages", code, "");
}

std::string CBerechnungApp::codeVonAnzeigeName(const std::string& name) const {
    std::vector<std::string> keys;
    settings_->GetKeysInSection("languages", keys);
    for (const std::string& k : keys) {
        if (k.empty()) continue;
        if (settings_->GetValue("languages", k, "") == name) return k;
    }
    return {};
}

std::string CBerechnungApp::sprachDateiPfad(const std::string& code) const {
    return appDir_ + "/language/kalvoria_" + code + ".lng";
}

bool CBerechnungApp::spracheOeffnen(const std::string& code) {
    auto geoeffnet = [this](const std::string& c) {
        if (!sprache_->Open(sprachDateiPfad(c), 0, 0, 1, 0)) return false;
        if (sprachwechsel_) sprachwechsel_(c);
        return true;
    };
    if (geoeffnet(code)) return true;
    if (ports_.messages) {
        Message m;
        m.text = "Error by opening file " + sprachDateiPfad(code);
        m.icon = MessageIcon::Error;
        ports_.messages->showMessage(m);
    }
    if (geoeffnet("uk") || geoeffnet("de")) return true;
    sprache_->Clear();
    return false;
}

std::string CBerechnungApp::spracheLesen() {
    if (!registryOeffnen(ports_.settings, ports_.messages, *sprache_)) return {};
    std::optional<std::string> name =
        registryLesen(*ports_.settings, "language", kMaxSpracheLaenge);
    if (!name) return {};
    return codeVonAnzeigeName(*name);
}

bool CBerechnungApp::spracheSpeichern() {
    return registrySchreiben(ports_.settings, ports_.messages, *sprache_, "language",
                             anzeigeName(sprachcode_));
}

std::optional<std::string> CBerechnungApp::spracheAuswaehlen() {
    DialogSettings dlg(*sprache_, *settings_, anzeigeName(sprachcode_));
    int r = ports_.dialogs ? ports_.dialogs->runDialog(dlg) : 2;
    if (r != 1) return std::nullopt;
    return dlg.getErgebnis();
}

bool CBerechnungApp::werksmodusAus(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (argv[i] && std::strcmp(argv[i], "--werksmodus") == 0) return true;
    const char* env = std::getenv("KALVORIA_WERKSMODUS");
    return env && std::strcmp(env, "1") == 0;
}

}  // namespace kal
