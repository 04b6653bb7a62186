#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

namespace tabula {

class Deck;

// A copy of the deck kept while it has unsaved changes, so that a program that is killed, or
// a session that ends, loses nothing: written a few seconds after the last change (never on
// every key) and at once when asked (a termination signal, the session manager), removed once
// the deck is saved or let go.
//
// Copies live in the user's state folder, private to the user (folder 0700, files 0600). A
// copy's name tells which deck it belongs to (a hash of the deck's full path, with the file's
// name to read; an untitled deck has its own) and which program wrote it (its process id), so
// a copy is offered only once the program that wrote it is gone.
class RecoveryCopy : public QObject {
  public:
    // `current_file` gives the deck's path as Save would write it (empty: untitled).
    RecoveryCopy(const Deck& deck, std::function<QString()> current_file,
                 QObject* parent = nullptr);

    // $XDG_STATE_HOME/tabula, or ~/.local/state/tabula.
    static QString Folder();

    // A change of the deck: the copy is written once the changes pause.
    void Schedule();
    // Writes the copy now, or removes it when the deck has no unsaved changes.
    void WriteNow();
    // Removes this program's copy: the deck was saved, or its changes were let go.
    void Remove();

    // The newest copy of the deck at `deck_path` (empty: an untitled deck) left by a program
    // that is gone, if it is newer than the deck's file. Older copies are out of date and go.
    std::optional<QString> LeftOver(const QString& deck_path) const;
    // A left-over copy recovered into the deck becomes this program's copy.
    void Adopt(const QString& copy, const QString& deck_path);
    void Discard(const QString& copy);

  private:
    QString OwnCopy(const QString& deck_path) const;

    const Deck& deck_;
    std::function<QString()> current_file_;
    QTimer timer_;
    QString written_;  // the copy on disk that this program wrote; empty when there is none
    bool warned_ = false;
};

}  // namespace tabula
