#include "ui/qt_settings.h"

namespace tabula {

namespace {
const QString kGroup = QStringLiteral("Settings");
}

QtSettings::QtSettings(const QString& application_name)
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tabula"),
                application_name) {}

std::optional<QString> QtSettings::Value(const QString& key) const {
    settings_.beginGroup(kGroup);
    const QVariant value = settings_.value(key);
    settings_.endGroup();
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString();
}

void QtSettings::SetValue(const QString& key, const QString& value) {
    settings_.beginGroup(kGroup);
    settings_.setValue(key, value);
    settings_.endGroup();
    settings_.sync();
}

}  // namespace tabula
