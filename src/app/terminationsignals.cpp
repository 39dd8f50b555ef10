#include "app/terminationsignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <iterator>
#include <unistd.h>

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGHUP, SIGINT};

int pipeEnds[2] = {-1, -1};
bool handled[std::size(HandledSignals)] = {};
volatile std::sig_atomic_t signalSeen = 0;

void onTerminationSignal(int number)
{
    if (signalSeen != 0) {
        // The signal stays blocked until this handler returns; then its default action runs.
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    signalSeen = 1;
    const int savedErrno = errno;
    const char byte = char(number);
    // Nothing can be done about a failed write here; the pipe is empty, so it does not fail.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(pipeEnds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t index = 0; index < std::size(HandledSignals); ++index) {
        // A signal ignored by whoever started the game stays ignored, as "nohup tovik" expects.
        struct sigaction inherited = {};
        sigaction(HandledSignals[index], nullptr, &inherited);
        handled[index] = inherited.sa_handler != SIG_IGN;
        if (handled[index])
            sigaction(HandledSignals[index], &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    for (std::size_t index = 0; index < std::size(HandledSignals); ++index) {
        if (handled[index])
            std::signal(HandledSignals[index], SIG_DFL);
        handled[index] = false;
    }
    for (int &end : pipeEnds) {
        if (end >= 0)
            ::close(end);
        end = -1;
    }
    signalSeen = 0;
}

void TerminationSignals::readPipe()
{
    char byte = 0;
    while (::read(pipeEnds[0], &byte, 1) > 0)
        continue;
    Q_EMIT terminationRequested();
}
