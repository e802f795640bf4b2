#include "userdata/filesets/FileSetSource.h"

#include "userdata/filesets/FileSetFile.h"
#include "userdata/listmanager/UserDataText.h"

#include <algorithm>

QString FileSetSource::caption() const
{
    return isNew() ? QStringLiteral("ファイルセットの追加") : QStringLiteral("ファイルセットの変更");
}

RegistLayout FileSetSource::layout() const
{
    RegistLayout l;
    l.fileSet = true;
    l.showChange = false;
    l.size = QSize(400, 280);
    return l;
}

void FileSetSource::load()
{
    list_.clear();
    title.clear();
    if (isNew())
        return;
    const QStringList files = FileSetFile(path_).files(oldTitle_);
    if (files.isEmpty())
        return;
    title = oldTitle_;
    for (const QString &f : files)
        list_.append({f, {}});
}

RegistVerdict FileSetSource::accept()
{
    using V = RegistVerdict;
    if (list_.isEmpty())
        return V::refuse(V::Kind::Plain, QStringLiteral("ファイルが指定されていません。\r\nファイルは必ず指定して下さい。"), V::Focus::List);
    if (title.isEmpty())
        return V::refuse(V::Kind::Plain, QStringLiteral("タイトルが指定されていません。\r\nタイトルは必ず指定して下さい。"), V::Focus::Title);
    const FileSetFile file(path_);
    // Every other set, listed in the file or only in the dialog so far.
    QStringList others = file.titles() + others_;
    others.removeAll(oldTitle_);
    const QString problem = FileSetFile::titleProblem(title, others);
    if (!problem.isEmpty())
        return V::refuse(V::Kind::Plain, problem, V::Focus::Title);
    QString error;
    const bool ok = isNew() ? file.addSet(title, list_.titles(), &error)
                            : file.changeSet(oldTitle_, title, list_.titles(), &error);
    if (!ok)
        return V::refuse(V::Kind::Warning, UserDataText::writeFailed(error));
    return {};
}

int FileSetSource::addFiles(QStringList paths)
{
    std::sort(paths.begin(), paths.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    int last = -1;
    for (const QString &p : std::as_const(paths)) {
        if (!list_.containsTitle(p))
            last = list_.append({p, {}});
    }
    return last;
}
