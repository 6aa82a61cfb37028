#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace atoz {

// One book for each page directory. The first start on a directory holds a
// lock file in it and listens on a local socket named after the directory's
// canonical path; a later start on the same directory finds the lock taken,
// asks the running book over the socket to come to the front, and ends.
//
// The lock outlives a crash as a file naming a process that is gone: the next
// start takes it over, and replaces the socket file left with it. A directory
// that cannot hold a lock (read-only, missing) does not stop a start: the
// book then runs without the lock, as a book did before there was one.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Start {
        First,       // this start holds the directory, and listens for later starts
        HandedOver,  // a book already runs on the directory and was asked to show itself
        Unlocked,    // the directory could not be locked: this start runs without the lock
    };
    Q_ENUM(Start)

    explicit SingleInstance(const QString& pageDirectory, QObject* parent = nullptr);
    // Stops listening and releases the lock.
    ~SingleInstance() override;

    // Claims the directory; call once. A start that finds the lock taken
    // hands `activationToken` (the desktop's permission to come to the front,
    // may be empty) to the running book. A book that holds the lock but does
    // not listen (still starting, or already ending) gets HandOverWait to
    // listen or let go; after that this start runs without the lock.
    Start Claim(const QString& activationToken = QString());
    // A first try at the lock ahead of Claim, which then finds it held. Taking
    // the lock waits for its file to reach the disk, so a start runs this on
    // a second thread while it builds its window; nothing else of this
    // object may be used until it returns.
    void TryLock();

    static constexpr int HandOverWait = 3000;  // milliseconds

    // The lock file in a page directory, and the local socket's name for it.
    static QString LockFileName(const QString& pageDirectory);
    static QString ServerName(const QString& pageDirectory);

signals:
    // A later start on the same directory asks this book to come to the front.
    void showRequested(const QString& activationToken);

private:
    bool Listen();
    bool AskToShow(const QString& activationToken) const;
    void Receive();

    QString serverName_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

}  // namespace atoz
