#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace tabula {

// The deck a drag carries: exactly one local file whose name ends in ".tbx" (any case).
std::optional<QString> DroppedDeck(const QMimeData* data);

// Opens a deck file dropped anywhere on the main window, the card editor included. Other
// drops (text onto the card editor) pass on untouched. The deck is opened after the drop has
// finished, so that the save prompt it may ask does not hold up the program the file came
// from.
class DeckDropFilter : public QObject {
    Q_OBJECT

  public:
    DeckDropFilter(QWidget* window, std::function<void(const QString&)> open);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    std::function<void(const QString&)> open_;
};

}  // namespace tabula
