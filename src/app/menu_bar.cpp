#include "app/menu_bar.h"

#include <QMenu>
#include <QMenuBar>
#include <initializer_list>
#include <optional>

namespace tabula {

namespace {

// An entry of a menu: a command, a separator (no id, no title) or a submenu.
struct Entry {
    std::optional<CommandId> id;
    const char* submenu = nullptr;
    std::initializer_list<CommandId> items = {};
};

constexpr Entry kSeparator{};

void Fill(QMenu* menu, std::initializer_list<Entry> entries,
          const std::function<QAction*(CommandId)>& action,
          const std::function<void(QMenu*)>& on_open) {
    on_open(menu);
    for (const Entry& e : entries) {
        if (e.submenu) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(e.submenu));
            on_open(sub);
            for (const CommandId id : e.items) {
                sub->addAction(action(id));
            }
        } else if (e.id) {
            menu->addAction(action(*e.id));
        } else {
            menu->addSeparator();
        }
    }
}

}  // namespace

void BuildMenuBar(QMenuBar* bar, const std::function<QAction*(CommandId)>& action,
                  const std::function<void(QMenu*)>& on_open) {
    using enum CommandId;
    Fill(bar->addMenu(QStringLiteral("&File")),
         {{kNew},
          {kOpen},
          {kSave},
          {kSaveAs},
          {kMerge},
          kSeparator,
          {std::nullopt, "&Import", {kImportCardfile}},
          {std::nullopt, "Export", {kExportText, kExportCsv}},
          kSeparator,
          {std::nullopt, "&Print", {kPrintCard, kPrintList, kPrintTag}},
          kSeparator,
          {std::nullopt, "Sen&d", {kSendCard, kSendList, kSendTag}},
          kSeparator,
          {kExit}},
         action, on_open);
    Fill(bar->addMenu(QStringLiteral("&Edit")),
         {{kUndo},
          kSeparator,
          {kCut},
          {kCopy},
          {kPaste},
          kSeparator,
          {kIndex},
          kSeparator,
          {kGoTo},
          {kFind}},
         action, on_open);
    Fill(bar->addMenu(QStringLiteral("&Card")), {{kAdd}, kSeparator, {kDelete}, kSeparator, {kTag}},
         action, on_open);
    Fill(bar->addMenu(QStringLiteral("&Window")), {{kRestore}}, action, on_open);
    Fill(bar->addMenu(QStringLiteral("&Help")), {{kHelpContents}, kSeparator, {kAbout}}, action,
         on_open);
}

}  // namespace tabula
