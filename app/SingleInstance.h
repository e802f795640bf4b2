#pragma once

#include <QObject>
#include <QStringList>

class QLocalServer;
class QLocalSocket;

// One running window per user and program folder. A later start hands its files to the
// running one over a local socket and ends; the running one opens them as tabs and comes
// to the front (a start without files only brings it to the front).
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &programFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket's name: in XDG_RUNTIME_DIR (the user's own) where there is one, else a
    // name with the user's id in the temporary folder; a hash of the folder in both.
    static QString serverName(const QString &programFolder);

    // Client side: true once a running program has taken the files (absolute paths).
    // False when none runs, or it does not answer within timeoutMs.
    bool handOver(const QStringList &files, int timeoutMs = 5000);
    // Server side: starts listening; false (and no server) when another holds the name.
    bool listen();
    bool isListening() const;

Q_SIGNALS:
    // A later start asked for these files (possibly none).
    void handedOver(const QStringList &files);

private:
    void accept();
    void read(QLocalSocket *socket);

    QString name_;
    QLocalServer *server_ = nullptr;
};
