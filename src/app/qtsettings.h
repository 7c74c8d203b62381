// SettingsPort on QSettings: organisation/application "kalvoria" (the
// registry key HKCU\Software\kalvoria on Windows, the per-user
// configuration file elsewhere), or an explicit INI file for tests.
#pragma once

#include <QString>
#include <memory>

#include "ports/ports.h"

class QSettings;

namespace kal {

class QtSettingsPort : public SettingsPort {
public:
    QtSettingsPort();                                 // the per-user store
    explicit QtSettingsPort(const QString& iniFile);  // a store in a file
    ~QtSettingsPort() override;

    bool openKey() override;
    std::optional<std::string> readValue(const std::string& name) override;
    bool writeValue(const std::string& name, const std::string& value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kal
