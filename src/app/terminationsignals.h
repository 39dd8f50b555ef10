#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a request, delivered by the event loop, to end the
// program. The handler only writes the signal's number to a pipe, the one thing it can do
// safely at any moment; a second signal before the program has ended finds the handler
// already used and ends the process at once with the signal's default action. One object per
// process, living while the event loop runs.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested();

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
};
