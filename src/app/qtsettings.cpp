#include "app/qtsettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace kal {

QtSettingsPort::QtSettingsPort()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            "kalvoria", "kalvoria")) {}

QtSettingsPort::QtSettingsPort(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QtSettingsPort::~QtSettingsPort() = default;

bool QtSettingsPort::openKey() {
    // QSettings creates its file or key on the first write; a store whose
    // folder can't be created or written counts as a key that can't be
    // opened.
    settings_->sync();
    if (settings_->status() == QSettings::AccessError) return false;
    bool dateiBasiert = settings_->format() == QSettings::IniFormat;
#ifndef Q_OS_WIN
    dateiBasiert = true;
#endif
    if (dateiBasiert) {
        QDir dir = QFileInfo(settings_->fileName()).absoluteDir();
        if (!dir.exists() && !QDir().mkpath(dir.absolutePath())) return false;
    }
    return settings_->isWritable();
}

std::optional<std::string> QtSettingsPort::readValue(const std::string& name) {
    QString key = QString::fromStdString(name);
    if (!settings_->contains(key)) return std::nullopt;
    QVariant v = settings_->value(key);
    // A hand-edited INI file may hold "1,2,3" unquoted, which reads as a list.
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(',').toStdString();
    return v.toString().toStdString();
}

bool QtSettingsPort::writeValue(const std::string& name, const std::string& value) {
    if (!settings_->isWritable()) return false;
    settings_->setValue(QString::fromStdString(name), QString::fromStdString(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace kal
