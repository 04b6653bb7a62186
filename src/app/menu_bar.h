#pragma once

#include <functional>

#include "app/command_ids.h"

class QAction;
class QMenu;
class QMenuBar;

namespace tabula {

// Fills the menu bar in the program's order. `action` gives the one QAction of a command;
// `on_open` is called with each menu and submenu so its items can be enabled before it shows.
void BuildMenuBar(QMenuBar* bar, const std::function<QAction*(CommandId)>& action,
                  const std::function<void(QMenu*)>& on_open);

}  // namespace tabula
