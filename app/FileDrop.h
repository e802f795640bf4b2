#pragma once

#include <QObject>
#include <QStringList>

class CommandHost;
class QWidget;
class QMimeData;

// Files dragged from a file manager onto the main window, its editing boxes included:
// HTML and text files open in tabs, internet shortcuts become links, anything else is
// ignored. A dropped file never reaches an editing box as typed text.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    explicit FileDrop(CommandHost &host);

    // What a drop of these local file names does, in the order given.
    void handleDroppedFiles(const QStringList &names);
    // The local files a drag carries; empty for a drag of anything else (text, web links).
    static QStringList localFiles(const QMimeData *data);
    // The extension of name's file part from its last dot, in lower case; empty without one.
    static QString extensionOf(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *box);

    CommandHost &host_;
};
