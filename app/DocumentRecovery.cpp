#include "app/DocumentRecovery.h"

#include "app/CommandHost.h"
#include "app/DocumentJournal.h"
#include "app/DocumentManager.h"
#include "app/DocumentTabs.h"
#include "app/EditBox.h"
#include "app/RecoveryDialog.h"
#include "recovery/JournalWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

DocumentRecovery::DocumentRecovery(CommandHost &host, DocumentTabs &tabs)
    : QObject(host.window()), host_(host), tabs_(tabs), folder_(host.programFolder())
{
    if (folder_.open()) {
        writer_ = std::make_unique<JournalWriter>([this] {
            QMetaObject::invokeMethod(this, &DocumentRecovery::reportWriteFailure, Qt::QueuedConnection);
        });
    }
    connect(&host.events(), &HostEvents::editBoxCreated, this, &DocumentRecovery::attach);
    connect(&host.events(), &HostEvents::documentClosing, this,
            [this](IEditBox *box) { detach(dynamic_cast<EditBox *>(box)); });
    if (auto *pages = host.window()->findChild<QTabWidget *>(QStringLiteral("PageControl")))
        connect(pages, &QTabWidget::currentChanged, this, &DocumentRecovery::flushAll);
}

DocumentRecovery::~DocumentRecovery()
{
    qDeleteAll(journals_); // each brings its journal up to date
    journals_.clear();
    writer_.reset(); // finishes every write first
}

qint64 DocumentRecovery::bytesWritten() const
{
    return writer_ ? writer_->bytesWritten() : 0;
}

void DocumentRecovery::attach(QWidget *widget)
{
    auto *box = qobject_cast<EditBox *>(widget);
    if (!box || !enabled_ || !writer_ || journals_.contains(box))
        return;
    auto meta = [this, box] {
        const DocumentManager &docs = tabs_.documentManager();
        const int index = docs.indexOf(box);
        JournalRecord::Meta m;
        m.name = docs.nameAt(index);
        m.untitled = m.name == DocumentManager::NewPage;
        const DocumentFile::Format format = docs.format(index);
        m.encoding = quint8(format.encoding);
        m.lineBreak = quint8(format.lineBreak);
        m.stamp = docs.diskStamp(index);
        return m;
    };
    journals_.insert(box, new DocumentJournal(box, *writer_, folder_.newJournalPath(), meta,
                                              [this] { reportWriteFailure(); }, this));
}

void DocumentRecovery::detach(EditBox *box)
{
    DocumentJournal *journal = journals_.take(box);
    if (!journal)
        return;
    journal->close();
    delete journal;
}

void DocumentRecovery::flushAll()
{
    for (DocumentJournal *journal : std::as_const(journals_))
        journal->flush();
}

void DocumentRecovery::waitWritten()
{
    if (writer_)
        writer_->waitIdle();
}

void DocumentRecovery::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (!on) {
        for (DocumentJournal *journal : std::as_const(journals_)) {
            journal->close();
            delete journal;
        }
        journals_.clear();
        return;
    }
    for (int i = 0; i < tabs_.documentManager().count(); ++i)
        attach(tabs_.documentManager().boxAt(i));
}

void DocumentRecovery::reportWriteFailure()
{
    if (!writer_ || failureShown_)
        return;
    const QString error = writer_->takeFailure();
    if (error.isEmpty())
        return;
    failureShown_ = true;
    Platform::instance().message(host_.window(), Platform::MessageKind::Warning, Messages::AppTitle,
                                 QStringLiteral("保存していない変更を復元用に記録できませんでした。"
                                                "このまま編集できますが、異常終了したときに変更を復元できません。\r\n") +
                                     folder_.path() + QStringLiteral("\r\n") + error,
                                 Platform::Buttons::Ok);
}

QString DocumentRecovery::diskState(const JournalRecord::Meta &meta)
{
    if (meta.untitled)
        return QStringLiteral("なし（無題）");
    const DiskStamp now = DiskStamp::of(meta.name);
    if (!now.exists)
        return QStringLiteral("見つかりません");
    if (!QFileInfo(meta.name).isReadable())
        return QStringLiteral("読めません");
    return now == meta.stamp ? QStringLiteral("変更されていません") : QStringLiteral("その後に変更されています");
}

void DocumentRecovery::offerAtStart()
{
    if (!writer_) {
        Platform::instance().message(host_.window(), Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("保存していない変更の復元用の記録を作れません。"
                                                    "異常終了したときに変更を復元できません。\r\n") +
                                         folder_.lastError(),
                                     Platform::Buttons::Ok);
        return;
    }
    QList<Offer> offers;
    QList<TRecoveryDialog::Entry> entries;
    QStringList unreadable;
    for (const QString &path : folder_.claimOrphans()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            const QString error = file.errorString();
            folder_.setAside(path);
            unreadable << QFileInfo(path).fileName() + QStringLiteral(": ") + error;
            continue;
        }
        Offer offer{path, JournalReader::read(file.readAll())};
        file.close();
        const JournalReader::Result &j = offer.journal;
        if (j.status != JournalReader::Status::Ok) {
            folder_.setAside(path);
            unreadable << QFileInfo(path).fileName() + QStringLiteral(": ") + j.problem;
            continue;
        }
        // What could not be read stays where the user can look at it.
        if (j.damaged)
            folder_.copyAside(path);
        TRecoveryDialog::Entry e;
        e.title = j.meta.untitled ? QStringLiteral("無題") : DocumentManager::fileNamePart(j.meta.name);
        e.path = j.meta.untitled ? QString() : j.meta.name;
        e.lastChange = QDateTime::fromMSecsSinceEpoch(j.lastChange);
        e.diskState = diskState(j.meta);
        e.note = j.damaged ? QStringLiteral("記録の途中まで") : QString();
        entries << e;
        offers << offer;
    }
    if (!unreadable.isEmpty())
        reportUnreadable(unreadable);
    if (!offers.isEmpty()) {
        TRecoveryDialog dialog(entries, host_.window());
        host_.place(&dialog, Placement::Centered);
        Platform::instance().execDialog(&dialog);
        const QList<TRecoveryDialog::Choice> choices = dialog.choices();
        for (int i = 0; i < offers.size(); ++i) {
            if (choices.value(i) == TRecoveryDialog::Choice::Restore)
                restore(offers.at(i));
            else if (choices.value(i) == TRecoveryDialog::Choice::Discard)
                QFile::remove(offers.at(i).path);
        }
        if (tabs_.tabCount() > 0)
            tabs_.pageChanged();
        // The restored documents' old journals gone before another program may claim them.
        writer_->waitIdle();
    }
    // Journals kept for later wait for the next start.
    folder_.releaseClaimed();
}

void DocumentRecovery::reportUnreadable(const QStringList &lines)
{
    Platform::instance().message(host_.window(), Platform::MessageKind::Warning, Messages::AppTitle,
                                 QStringLiteral("次の復元用の記録は読めませんでした。記録は次のフォルダーに残してあります。\r\n") +
                                     folder_.asidePath() + QStringLiteral("\r\n\r\n") + lines.join(QStringLiteral("\r\n")),
                                 Platform::Buttons::Ok);
}

void DocumentRecovery::restore(const Offer &offer)
{
    const JournalRecord::Meta &meta = offer.journal.meta;
    DocumentManager &docs = tabs_.documentManager();
    const QString name = meta.untitled ? DocumentManager::NewPage : meta.name;
    const int index = tabs_.tabCount();
    EditBox *box = tabs_.insertPage(index, meta.untitled ? name : DocumentManager::fileNamePart(name));
    docs.insert(docs.count(), name, box);
    tabs_.selectPageQuietly(index);
    docs.setFormat(index, {DocumentEncoding::Encoding(meta.encoding), DocumentEncoding::LineBreak(meta.lineBreak)});
    // As the file was when last read, so a later offer still compares with that.
    docs.setDiskStamp(index, meta.stamp);
    box->beginUpdate();
    box->setPlainText(offer.journal.text);
    box->setSelection(0, 0);
    box->setModified(true);
    box->endUpdate();
    tabs_.documentOpened();
    // The old journal goes once this document's own is on disk.
    if (DocumentJournal *journal = journals_.value(box)) {
        journal->supersede(offer.path, offer.journal.lastChange);
        journal->flush();
    }
}
