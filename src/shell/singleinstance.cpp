#include "shell/singleinstance.h"

#include "shell/handoverreader.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <memory>

namespace {
constexpr char kAck = 'K';
// What a connection may hold unread: a sender cannot make us buffer more than this ahead of the reader.
constexpr qint64 kReadBuffer = 64 * 1024;
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

bool SingleInstance::HandOver(const PageRequests& pages, int timeoutMs)
{
    if (Send(HandOverReader::EncodePages(pages), timeoutMs))
        return true;
    if (!HandOverReader::HasLines(pages))
        return false;
    // An editor from before lines were handed over drops the message unread: it is sent the pages alone.
    socket_.abort();
    socket_.connectToServer(path_);
    if (!socket_.waitForConnected(timeoutMs))
        return false;
    QStringList paths;
    for (const PageRequest& page : pages)
        paths.append(page.path);
    return Send(HandOverReader::Encode(paths), timeoutMs);
}

bool SingleInstance::Send(const QByteArray& message, int timeoutMs)
{
    if (socket_.state() != QLocalSocket::ConnectedState)
        return false;
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
        client->setReadBufferSize(kReadBuffer);
        // Each connection reads its one message at its own pace.
        auto reader = std::make_shared<HandOverReader>();
        connect(client, &QLocalSocket::readyRead, this, [this, client, reader] { Read(client, *reader); });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (client->bytesAvailable() > 0)
            Read(client, *reader);
    }
}

void SingleInstance::Read(QLocalSocket* client, HandOverReader& reader)
{
    if (reader.State() != HandOverReader::Reading)
        return; // answered already
    HandOverReader::Status status = HandOverReader::Reading;
    while (status == HandOverReader::Reading && client->bytesAvailable() > 0)
        status = reader.Feed(client->read(kReadBuffer));
    if (status == HandOverReader::Reading)
        return; // the rest is still on its way
    if (status == HandOverReader::Refused) {
        // Nothing of it is opened, and the sender is not listened to any longer.
        client->abort();
        client->deleteLater();
        return;
    }
    client->putChar(kAck);
    client->disconnectFromServer(); // one message a connection; the answer is written first
    const PageRequests pages = reader.Pages();
    // Opened from the event loop: opening may ask questions, which must not run inside this socket's signal.
    QMetaObject::invokeMethod(
        this, [this, pages] { emit FilesArrived(pages); }, Qt::QueuedConnection);
}
