#pragma once

#include <QObject>

class QSocketNotifier;

namespace atoz {

// Turns the signals that ask a program to end (SIGTERM at shut-down or
// log-out, SIGINT, SIGHUP when the terminal closes) into a Qt signal on the
// main thread, so that the book can close as its close box does: the page
// stored, its windows closed, status 0.
//
// Qt's documented way: the signal handler only writes a byte to one end of a
// socket pair; a QSocketNotifier on the other end wakes the event loop. One
// instance at a time; it puts the default handlers back when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // Once for every signal received; `signal` is its number.
    void received(int signal);

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace atoz
