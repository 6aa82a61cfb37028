#include "singleinstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace atoz {

namespace {

// A later start's whole message: "show", a space, the activation token, a
// newline. Anything longer is no start of this book.
constexpr qint64 LongestMessage = 4096;
constexpr int PollInterval = 50;  // milliseconds between tries while the running book gets ready

QString CanonicalPath(const QString& directory)
{
    const QString canonical = QFileInfo(directory).canonicalFilePath();
    return canonical.isEmpty() ? QDir(directory).absolutePath() : canonical;
}

}  // namespace

SingleInstance::SingleInstance(const QString& pageDirectory, QObject* parent)
    : QObject(parent), serverName_(ServerName(pageDirectory)), lock_(LockFileName(pageDirectory))
{
    // A lock is stale only when the process it names is gone, never for its
    // age: a child may keep the book open all afternoon.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (server_)
        server_->close();  // removes the socket file
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
    for (;;) {
        if (lock_.isLocked() || lock_.tryLock(0)) {
            if (!Listen())
                qWarning("A to Z: cannot listen for later starts on %s: %s", qPrintable(serverName_),
                         qPrintable(server_->errorString()));
            return Start::First;
        }
        if (lock_.error() != QLockFile::LockFailedError) {
            qWarning("A to Z: cannot lock %s; running without the lock", qPrintable(lock_.fileName()));
            return Start::Unlocked;
        }
        if (AskToShow(activationToken))
            return Start::HandedOver;
        // The running book takes the lock a moment before it listens; one
        // that never answers (another user's, say) does not keep this one out.
        if (waiting.hasExpired(HandOverWait)) {
            qWarning("A to Z: %s is locked by a book that does not answer; running without the lock",
                     qPrintable(lock_.fileName()));
            return Start::Unlocked;
        }
        QThread::msleep(PollInterval);
    }
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
    // The lock is ours, so a socket file of this name was left by a book that
    // ended without closing it.
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
