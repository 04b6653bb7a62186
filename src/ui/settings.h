#pragma once

#include <QString>
#include <optional>

namespace tabula {

// The program's two remembered values, section "Settings".
inline constexpr const char* kMainWindowPosKey = "MainWindowPos";
inline constexpr const char* kLastFileKey = "Last File";

class Settings {
  public:
    virtual ~Settings() = default;
    virtual std::optional<QString> Value(const QString& key) const = 0;
    virtual void SetValue(const QString& key, const QString& value) = 0;
};

}  // namespace tabula
