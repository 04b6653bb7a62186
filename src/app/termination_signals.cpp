#include "app/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace tabula {

namespace {

int pipe_ends[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP};

void OnSignal(int number) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    // A full pipe already holds a signal to act on; nothing is lost by dropping this one.
    [[maybe_unused]] const ssize_t written = ::write(pipe_ends[1], &byte, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals(std::function<void(int)> received, QObject* parent)
    : QObject(parent), received_(std::move(received)) {
    if (::pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;  // the signals keep their default: the program ends at once
    }
    notifier_ = new QSocketNotifier(pipe_ends[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char byte = 0;
        while (::read(pipe_ends[0], &byte, 1) == 1) {
            received_(byte);
        }
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kSignals) {
        ::sigaction(number, &action, nullptr);
    }
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    pipe_ends[0] = pipe_ends[1] = -1;
}

}  // namespace tabula
