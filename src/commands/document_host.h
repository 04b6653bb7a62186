#pragma once

#include <QString>

namespace tabula {

// What the file commands keep in the main window: the file the deck belongs to (its name is
// the window's title), the imported flag, and the card count in the status bar.
class DocumentHost {
  public:
    virtual ~DocumentHost() = default;

    // The path Save writes to; empty for an untitled deck.
    virtual const QString& CurrentFile() const = 0;
    // Also sets the title: "Tabula - <path>", or "Tabula - Untitled" for an empty path.
    virtual void SetCurrentFile(const QString& path) = 0;
    // Set by a Cardfile import, cleared only by a deck file written: while it is set, Save
    // is disabled and every save goes through Save As, so the .crd file is never replaced.
    virtual bool Imported() const = 0;
    virtual void SetImported(bool imported) = 0;
    // The card count pane now, without waiting for the timer's next tick.
    virtual void ShowCardCount() = 0;
    // Long work begins: the wait cursor and this text in the first status pane, on screen at
    // once since the work holds the event loop. An empty text ends it.
    virtual void ShowWork(const QString& text) = 0;
};

}  // namespace tabula
