#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace tabula {

// SIGTERM and SIGHUP (a logout, `kill`, a closed terminal) arrive as a call on the event loop
// instead of ending the program at once: the handler only writes the signal's number into a
// pipe, and everything else happens outside it. One instance per program.
class TerminationSignals : public QObject {
  public:
    // `received` gets the signal's number.
    TerminationSignals(std::function<void(int)> received, QObject* parent = nullptr);
    ~TerminationSignals() override;

  private:
    std::function<void(int)> received_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tabula
