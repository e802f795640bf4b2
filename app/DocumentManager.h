#pragma once

#include "app/DocumentFile.h"
#include "platform/Platform.h"
#include "recovery/DiskStamp.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class EditBox;
class QWidget;

// The open documents apart from the window that shows them: each one's file name (an
// untitled one as "NewPage"), its editing box and its flags, in tab order; reading and
// writing their files, and the questions the document commands ask on the way. The
// window keeps the tabs in step with this list.
class DocumentManager : public QObject
{
    Q_OBJECT
public:
    static inline const QString NewPage = QStringLiteral("NewPage");

    // window: parent of the messages; showInfo shows the shared information message.
    DocumentManager(QWidget *window, std::function<void(const QString &)> showInfo);

    int count() const { return int(docs_.size()); }
    QString nameAt(int index) const;
    EditBox *boxAt(int index) const;
    QStringList names() const;
    bool contains(const QString &name) const;
    // -1 when the box is no document's.
    int indexOf(const QObject *box) const;

    void insert(int index, const QString &name, EditBox *box);
    void removeAt(int index);
    void rename(int index, const QString &name);
    // The first Open or Browse of a document starts in its folder; later ones where the
    // user last was.
    bool browsed(int index) const;
    void setBrowsed(int index);

    // The encoding and line break a document is written in: as its file was read, or for an
    // untitled one as set for new documents.
    DocumentFile::Format format(int index) const;
    void setFormat(int index, const DocumentFile::Format &format);
    // The document's file as it was when last read or written here.
    DiskStamp diskStamp(int index) const;
    void setDiskStamp(int index, const DiskStamp &stamp);

    // Reads the file into the box (a Shift-JIS file's tabs as tabSpaces) and takes the
    // encoding it was read in as the box's document's; false, after telling the user, when
    // it cannot be read.
    bool load(EditBox *box, const QString &name, const QString &tabSpaces,
              DocumentFile::Reading reading = DocumentFile::Reading::Detect);
    // Writes the box's text to the file in its document's format; false, after telling the
    // user, when the user declines or the file cannot be written.
    bool write(const EditBox *box, const QString &name);
    // True when the file is not open yet; otherwise tells the user so.
    bool checkNotOpen(const QString &name);
    // Asks for the name to save a document as; untitled ones start in homeFolder. The
    // name is completed with the chosen type's extension, asking before it replaces a
    // file. Empty when the user cancels.
    std::optional<QString> askSaveAsName(const QString &name, const QString &homeFolder);
    // "Save the changes?" for the document; crOnly: the line breaks of the closing prompts.
    Platform::Answer askModified(const QString &name, bool crOnly, QPoint at);

    static QString fileNamePart(const QString &name);
    static QString folderPart(const QString &name);

Q_SIGNALS:
    // A document's encoding or line break changed (it was read, or the user chose another).
    void formatChanged(int index);

private:
    struct Document
    {
        QString name;
        EditBox *box = nullptr;
        bool browsed = false;
        DocumentFile::Format format;
        DiskStamp stamp;
    };

    QWidget *window_;
    std::function<void(const QString &)> showInfo_;
    QList<Document> docs_;
};
