#include "shell/singleinstance.h"

#include <QDataStream>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {
constexpr quint32 kMagic = 0x4b535431; // "KST1"
constexpr char kAck = 'K';
// More pages than this in one message is no start of ours.
constexpr qsizetype kMaxPaths = 4096;
} // namespace

QString SingleInstance::SocketPath()
{
    const QString chosen = qEnvironmentVariable("KESTREL_INSTANCE_SOCKET");
    if (!chosen.isEmpty())
        return chosen;
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/kestrel-editor.socket");
}

SingleInstance::SingleInstance(const QString& socketPath, QObject* parent) : QObject(parent), path_(socketPath)
{
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::~SingleInstance()
{
    server_.close();
}

SingleInstance::Role SingleInstance::Claim()
{
    // Held only while deciding; a lock left by a dead process is taken over at once.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    const bool locked = lock.tryLock(5000);

    socket_.connectToServer(path_);
    if (socket_.waitForConnected(1000))
        return Another;
    socket_.abort();
    if (!locked)
        return First; // cannot tell safely: run, but leave the socket to whoever holds the lock

    // Nobody answers: what is there was left by a run that crashed.
    QLocalServer::removeServer(path_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(path_);
    return First;
}

bool SingleInstance::HandOver(const QStringList& paths, int timeoutMs)
{
    if (socket_.state() != QLocalSocket::ConnectedState)
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << kMagic << paths;
    socket_.write(message);
    if (!socket_.waitForBytesWritten(timeoutMs))
        return false;
    while (socket_.bytesAvailable() < 1)
        if (!socket_.waitForReadyRead(timeoutMs))
            return false;
    char answer = 0;
    return socket_.getChar(&answer) && answer == kAck;
}

void SingleInstance::Accept()
{
    while (QLocalSocket* client = server_.nextPendingConnection()) {
        connect(client, &QLocalSocket::readyRead, this, [this, client] { Read(client); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (client->bytesAvailable() > 0)
            Read(client);
    }
}

void SingleInstance::Read(QLocalSocket* client)
{
    QDataStream in(client);
    in.startTransaction();
    quint32 magic = 0;
    in >> magic;
    if (in.status() == QDataStream::Ok && magic != kMagic) {
        client->abort();
        return;
    }
    QStringList paths;
    in >> paths;
    if (!in.commitTransaction())
        return; // the rest is still on its way
    if (paths.size() > kMaxPaths) {
        client->abort();
        return;
    }
    client->putChar(kAck);
    client->flush();
    // Opened from the event loop: opening may ask questions, which must not run inside this socket's signal.
    QMetaObject::invokeMethod(
        this, [this, paths] { emit FilesArrived(paths); }, Qt::QueuedConnection);
}
