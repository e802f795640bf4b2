#include "app/SingleInstance.h"

#include "platform/InstanceMessage.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

namespace {
constexpr char Ack = '1';
// A connection that has sent no whole message by then is dropped.
constexpr int ReadTimeoutMs = 10000;
const char *const BufferProperty = "tagwellBuffer";
} // namespace

SingleInstance::SingleInstance(const QString &programFolder, QObject *parent)
    : QObject(parent), name_(serverName(programFolder))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &programFolder)
{
    QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        folder = QFileInfo(programFolder).absoluteFilePath();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16));
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // A socket path has room for about 100 bytes.
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && runtime.toUtf8().size() < 64)
        return QDir(runtime).absoluteFilePath(QStringLiteral("tagwell-") + hash);
    return QStringLiteral("tagwell-%1-%2").arg(::getuid()).arg(hash);
}

bool SingleInstance::handOver(const QStringList &files, int timeoutMs)
{
    if (!InstanceMessage::canEncode(files))
        return false;
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(InstanceMessage::encode(files));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == Ack;
}

bool SingleInstance::listen()
{
    if (server_)
        return server_->isListening();
    // Listening with user-only access replaces whatever the name holds, so a running
    // program is asked first; one that is merely slow to answer keeps its socket.
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500))
        return false;
    // What is left is the socket file of a program that ended without removing it.
    QLocalServer::removeServer(name_);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name_)) {
        delete server;
        return false;
    }
    server_ = server;
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::accept);
    return true;
}

bool SingleInstance::isListening() const
{
    return server_ && server_->isListening();
}

void SingleInstance::accept()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        QTimer::singleShot(ReadTimeoutMs, socket, [socket] { socket->abort(); socket->deleteLater(); });
        read(socket);
    }
}

void SingleInstance::read(QLocalSocket *socket)
{
    QByteArray buffer = socket->property(BufferProperty).toByteArray();
    buffer += socket->read(InstanceMessage::MaxBytes + 1 - buffer.size());
    const InstanceMessage::Decoded message = InstanceMessage::decode(buffer);
    if (message.status == InstanceMessage::Status::Incomplete && buffer.size() <= InstanceMessage::MaxBytes) {
        socket->setProperty(BufferProperty, buffer);
        return;
    }
    if (message.status != InstanceMessage::Status::Complete) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->setProperty(BufferProperty, QVariant());
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    socket->write(&Ack, 1);
    socket->flush();
    socket->disconnectFromServer();
    // Opening may ask questions in a modal loop: not from inside this socket's handler.
    QTimer::singleShot(0, this, [this, files = message.files] { Q_EMIT handedOver(files); });
}
