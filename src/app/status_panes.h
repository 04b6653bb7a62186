#pragma once

#include <QObject>
#include <QTimer>

class QLabel;
class QStatusBar;

namespace tabula {

// The five panes of the status bar: message, card count, CAPS, NUM, OVR; and the two timers
// that keep the first two current.
class StatusPanes : public QObject {
    Q_OBJECT

  public:
    static constexpr int kCountIntervalMs = 500;
    static constexpr int kMessageIntervalMs = 5000;

    explicit StatusPanes(QStatusBar* bar);

    // A hover text: shown at once, replaced by "Ready" 5 seconds after the latest one.
    void ShowStatusMessage(const QString& text);
    // A menu prompt, or "Ready" when the text is empty; no timer.
    void ShowPrompt(const QString& text);
    // The text of long work, painted at once; an empty text ends it with "Ready".
    void ShowWork(const QString& text);
    void SetCount(int count);
    void SetLocks(bool caps, bool num);
    void SetOvertype(bool on);

    QString Message() const;
    QString Count() const;
    QString Caps() const;
    QString Num() const;
    QString Overtype() const;
    QTimer& CountTimer() { return count_timer_; }
    QTimer& MessageTimer() { return message_timer_; }

  private:
    static QString Ready();
    static QString CountText(int count);

    QLabel* message_;
    QLabel* count_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* ovr_;
    QTimer count_timer_;
    QTimer message_timer_;
};

}  // namespace tabula
