#pragma once
// One editor per user: the first one listens on a local socket in the user's runtime folder; a later start
// finds it there and hands it the pages it was asked to open.

#include "shell/pagerequest.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QStringList>

class HandOverReader;

class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum Role
    {
        First,  // this process serves the socket (or runs alone when it could not)
        Another // an editor runs already; HandOver reaches it
    };

    // KESTREL_INSTANCE_SOCKET when set (tests: a socket of their own), else "kestrel-editor.socket" in the runtime
    // folder.
    static QString SocketPath();

    explicit SingleInstance(const QString& socketPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Connects to a running editor, or becomes the one: a socket left by a crashed run is removed first. Two
    // starts at the same moment take turns through a lock file beside the socket.
    Role Claim();
    // Gives the running editor pages to open (absolute paths); true once it confirmed. An editor too old to take
    // lines is given the pages without them.
    bool HandOver(const PageRequests& pages, int timeoutMs = 5000);

    bool Listening() const { return server_.isListening(); }

Q_SIGNALS:
    // Pages handed over by a later start (absolute paths).
    void FilesArrived(const PageRequests& pages);

private:
    bool Send(const QByteArray& message, int timeoutMs);
    void Accept();
    void Read(QLocalSocket* client, HandOverReader& reader);

    QString path_;
    QLocalServer server_;
    QLocalSocket socket_;
};
