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
// A live book holds its lock file open and locked (flock). A lock that no
// process holds is stale, whatever it says: a book that crashed, a file left
// empty or damaged by a power cut, another computer's name. The next start
// takes it over, and replaces the socket file left with it. A start waits
// for a live book of its own user that holds the lock and does not answer
// yet, however long that book takes to start; only a book it cannot ask
// (another user's, another computer's) lets it run without the lock, after
// HandOverWait. A directory that cannot hold a lock (read-only, missing)
// does not stop a start: the book then runs without the lock, and still
// listens, so that later starts hand over to it.
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
    // Stops listening and releases the lock. Socket files that books which
    // are gone left in the runtime directory are removed too.
    ~SingleInstance() override;

    // Claims the directory; call once. A start that finds the lock taken
    // hands `activationToken` (the desktop's permission to come to the front,
    // may be empty) to the running book.
    Start Claim(const QString& activationToken = QString());
    // A first try at the lock ahead of Claim, which then finds it held. Taking
    // the lock waits for its file to reach the disk, so a start runs this on
    // a second thread while it builds its window; nothing else of this
    // object may be used until it returns.
    void TryLock();

    // How long a start waits for a book it cannot ask before it runs without
    // the lock; a start that waits for a book of its own user says so on
    // standard error once this has passed.
    static constexpr int HandOverWait = 3000;  // milliseconds
    void SetHandOverWait(int milliseconds) { handOverWait_ = milliseconds; }

    // The lock file in a page directory, and the local socket's name for it.
    static QString LockFileName(const QString& pageDirectory);
    static QString ServerName(const QString& pageDirectory);

signals:
    // A later start on the same directory asks this book to come to the front.
    void showRequested(const QString& activationToken);

private:
    // Who holds the lock file that this start could not take.
    enum class Holder {
        Nobody,     // stale: it was removed, and can be taken now
        Unsure,     // it could not be read: a book may be writing it this moment
        Starting,   // a live book of this user on this computer, not listening yet
        Unreachable,  // a live book this start cannot ask
    };
    Holder LockHolder(bool readBefore);
    bool Listen();
    bool AskToShow(const QString& activationToken) const;
    void Receive();

    QString serverName_;
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
    int handOverWait_ = HandOverWait;
};

}  // namespace atoz
