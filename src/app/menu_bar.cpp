#include "app/menu_bar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
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

// Lets the highlight rest on a disabled item too, so pane 0 tells what it would do.
class MenuStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QString Translated(const char* title) {
    return QCoreApplication::translate("tabula::MenuBar", title);
}

void Fill(QMenu* menu, std::initializer_list<Entry> entries,
          const std::function<QAction*(CommandId)>& action,
          const std::function<void(QMenu*)>& on_open) {
    on_open(menu);
    for (const Entry& e : entries) {
        if (e.submenu) {
            QMenu* sub = menu->addMenu(Translated(e.submenu));
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
                  const std::function<void(QMenu*)>& each_menu) {
    using enum CommandId;
    auto* style = new MenuStyle;
    style->setParent(bar);
    const auto on_open = [&each_menu, style](QMenu* menu) {
        menu->setStyle(style);
        each_menu(menu);
    };
    Fill(bar->addMenu(Translated(QT_TRANSLATE_NOOP("tabula::MenuBar", "&File"))),
         {{kNew},
          {kOpen},
          {kSave},
          {kSaveAs},
          {kMerge},
          kSeparator,
          {std::nullopt, QT_TRANSLATE_NOOP("tabula::MenuBar", "&Import"), {kImportCardfile}},
          {std::nullopt, QT_TRANSLATE_NOOP("tabula::MenuBar", "Export"), {kExportText, kExportCsv}},
          kSeparator,
          {std::nullopt,
           QT_TRANSLATE_NOOP("tabula::MenuBar", "&Print"),
           {kPrintCard, kPrintList, kPrintTag}},
          kSeparator,
          {std::nullopt,
           QT_TRANSLATE_NOOP("tabula::MenuBar", "Sen&d"),
           {kSendCard, kSendList, kSendTag}},
          kSeparator,
          {kExit}},
         action, on_open);
    Fill(bar->addMenu(Translated(QT_TRANSLATE_NOOP("tabula::MenuBar", "&Edit"))),
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
    Fill(bar->addMenu(Translated(QT_TRANSLATE_NOOP("tabula::MenuBar", "&Card"))),
         {{kAdd}, kSeparator, {kDelete}, kSeparator, {kTag}}, action, on_open);
    Fill(bar->addMenu(Translated(QT_TRANSLATE_NOOP("tabula::MenuBar", "&Window"))), {{kRestore}},
         action, on_open);
    Fill(bar->addMenu(Translated(QT_TRANSLATE_NOOP("tabula::MenuBar", "&Help"))),
         {{kHelpContents}, kSeparator, {kAbout}}, action, on_open);
}

}  // namespace tabula
