#pragma once

#include <QMap>

#include "ui/settings.h"

namespace tabula::test {

// Settings kept in memory, so tests never read or write the user's own.
class MemorySettings final : public Settings {
  public:
    std::optional<QString> Value(const QString& key) const override {
        return values.contains(key) ? std::optional(values[key]) : std::nullopt;
    }
    void SetValue(const QString& key, const QString& value) override { values[key] = value; }

    QMap<QString, QString> values;
};

}  // namespace tabula::test
