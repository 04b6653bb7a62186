#pragma once

#include <QMap>

#include "ui/settings.h"

namespace tabula::test {

// Settings kept in memory, so tests never read or write the user's own.
class MemorySettings final : public Settings {
  public:
    std::optional<QString> Value(const QString& key) const override {
        const auto it = values.find(key);
        if (it == values.end()) {
            return std::nullopt;
        }
        return *it;
    }
    void SetValue(const QString& key, const QString& value) override { values[key] = value; }

    QMap<QString, QString> values;
};

}  // namespace tabula::test
