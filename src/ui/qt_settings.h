#pragma once

#include <QSettings>

#include "ui/settings.h"

namespace tabula {

// QSettings under organisation "Tabula" and the executable's base name, group "Settings"
// (~/.config/Tabula/<name>.conf).
class QtSettings final : public Settings {
  public:
    explicit QtSettings(const QString& application_name);
    std::optional<QString> Value(const QString& key) const override;
    void SetValue(const QString& key, const QString& value) override;

  private:
    mutable QSettings settings_;
};

}  // namespace tabula
