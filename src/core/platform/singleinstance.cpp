#include "singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace atoz {

namespace {

// A later start's whole message: "show", a space, the activation token, a
// newline. Anything longer is no start of this book.
constexpr qint64 LongestMessage = 4096;
constexpr int PollInterval = 50;  // milliseconds between tries while the running book gets ready
// A socket file that refuses connections and is older than this was left by
// a book that is gone; a younger one may be a book's that is binding it now.
constexpr int DeadSocketSeconds = 60;

QString CanonicalPath(const QString& directory)
{
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    return canonical.isEmpty() ? QDir(directory).absolutePath() : canonical;
}

#ifdef Q_OS_UNIX

// Removes the lock file when no process holds it locked, as every live book
// holds its own (QLockFile takes flock() on it): true when it is gone.
bool RemoveUnheldLock(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    bool removed = false;
    struct stat opened = {}, named = {};
    // Only the very file that was found free goes: another start may have
    // taken the lock over and made a new one meanwhile.
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino)
        removed = ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

bool IsOwnLiveProcess(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    struct stat process = {};
    return ::stat(QByteArray("/proc/" + QByteArray::number(pid)).constData(), &process) != 0
        || process.st_uid == ::getuid();
}

// Whether a socket file answers: false only when nobody listens on it.
bool Answers(const QByteArray& path)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (size_t(path.size()) >= sizeof(address.sun_path))
        return true;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return true;
    const bool refused = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0
        && errno == ECONNREFUSED;
    ::close(fd);
    return !refused;
}

// The socket files that books which were killed left in `directory`.
void RemoveDeadSockets(const QString& directory)
{
    const QRegularExpression ours(QStringLiteral("^atoz-[0-9a-f]{32}$"));
    const QDateTime dead = QDateTime::currentDateTimeUtc().addSecs(-DeadSocketSeconds);
    for (const QFileInfo& entry : QDir(directory).entryInfoList({"atoz-*"}, QDir::System | QDir::NoSymLinks)) {
        struct stat status = {};
        const QByteArray path = QFile::encodeName(entry.filePath());
        if (ours.match(entry.fileName()).hasMatch() && ::lstat(path.constData(), &status) == 0
            && S_ISSOCK(status.st_mode) && entry.lastModified() < dead && !Answers(path))
            ::unlink(path.constData());
    }
}

#else

bool RemoveUnheldLock(const QString&) { return false; }
bool IsOwnLiveProcess(qint64) { return true; }
void RemoveDeadSockets(const QString&) {}

#endif

}  // namespace

SingleInstance::SingleInstance(const QString& pageDirectory, QObject* parent)
    : QObject(parent), serverName_(ServerName(pageDirectory)), lock_(LockFileName(pageDirectory))
{
    // A lock is stale only when no process holds it, never for its age: a
    // child may keep the book open all afternoon.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (server_) {
        server_->close();  // removes the socket file
        if (QFileInfo(serverName_).isAbsolute())
            RemoveDeadSockets(QFileInfo(serverName_).absolutePath());
    }
    lock_.unlock();
}

QString SingleInstance::LockFileName(const QString& pageDirectory)
{
    return QDir(pageDirectory).filePath(QStringLiteral(".atoz.lock"));
}

QString SingleInstance::ServerName(const QString& pageDirectory)
{
    const QByteArray hash =
        QCryptographicHash::hash(CanonicalPath(pageDirectory).toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    const QString name = QStringLiteral("atoz-") + QString::fromLatin1(hash);
    // In the user's own runtime directory when there is one; a bare name
    // lands in the temporary directory. A socket path must stay short.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QString inRuntime = QDir(runtime).filePath(name);
    if (runtime.isEmpty() || inRuntime.toLocal8Bit().size() > 100)
        return name;
    return inRuntime;
}

SingleInstance::Start SingleInstance::Claim(const QString& activationToken)
{
    QElapsedTimer waiting;
    waiting.start();
    bool read = true;  // the lock's file could be read at the last look
    bool said = false;
    for (;;) {
        if (lock_.isLocked() || lock_.tryLock(0)) {
            if (!Listen())
                qWarning("atoz: cannot listen for later starts on %s: %s", qPrintable(serverName_),
                         qPrintable(server_->errorString()));
            return Start::First;
        }
        if (AskToShow(activationToken))
            return Start::HandedOver;
        if (lock_.error() != QLockFile::LockFailedError) {
            qWarning("atoz: cannot lock %s; running without the lock", qPrintable(lock_.fileName()));
            Listen();
            return Start::Unlocked;
        }
        const Holder holder = LockHolder(read);
        read = holder != Holder::Unsure;
        if (holder == Holder::Nobody) {
            QLocalServer::removeServer(serverName_);  // left with the lock
            continue;
        }
        if (waiting.hasExpired(handOverWait_)) {
            if (holder == Holder::Unreachable) {
                qWarning("atoz: %s is held by a book that cannot be asked to show itself; running without the lock",
                         qPrintable(lock_.fileName()));
                Listen();
                return Start::Unlocked;
            }
            if (!said) {
                said = true;
                qWarning("atoz: waiting for the book that holds %s to answer", qPrintable(lock_.fileName()));
            }
        }
        QThread::msleep(PollInterval);
    }
}

SingleInstance::Holder SingleInstance::LockHolder(bool readBefore)
{
    qint64 pid = 0;
    QString host;
    QString application;
    const bool readNow = lock_.getLockInfo(&pid, &host, &application);
    // A book writes its lock's few bytes just after making the file: one
    // that cannot be read is looked at again before it counts as damaged.
    if (!readNow && readBefore)
        return Holder::Unsure;
    if (RemoveUnheldLock(lock_.fileName()))
        return Holder::Nobody;
    const bool thisComputer = host.isEmpty() || host == QSysInfo::machineHostName();
    return readNow && thisComputer && IsOwnLiveProcess(pid) ? Holder::Starting : Holder::Unreachable;
}

void SingleInstance::TryLock()
{
    lock_.tryLock(0);
}

bool SingleInstance::Listen()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Receive);
    // A book on its way out stops listening at once, so that a start in its
    // last moments is not answered by nobody: that start waits for the lock.
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, server_, &QLocalServer::close);
    // With the lock held, a socket file of this name was left by a book that
    // ended without closing it. Without the lock, nobody answered on it a
    // moment ago.
    QLocalServer::removeServer(serverName_);
    return server_->listen(serverName_);
}

bool SingleInstance::AskToShow(const QString& activationToken) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(500))
        return false;
    QByteArray message = "show " + activationToken.toUtf8();
    message.replace('\n', "");
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(1000))
        return false;
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::Receive()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto read = [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > LongestMessage)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(LongestMessage).chopped(1);
            socket->disconnectFromServer();
            if (line == "show" || line.startsWith("show "))
                emit showRequested(QString::fromUtf8(line.mid(5)));
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        read();
    }
}

}  // namespace atoz
