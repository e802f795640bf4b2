#include "platform/gui/ProgramsOnlyModel.h"

#include <QFileSystemModel>

void ProgramsOnlyModel::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    invalidateFilter();
}

bool ProgramsOnlyModel::filterAcceptsRow(int row, const QModelIndex &parent) const
{
    if (!active_)
        return true;
    const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
    if (!files)
        return true;
    const QModelIndex index = files->index(row, 0, parent);
    return files->isDir(index) || files->fileInfo(index).isExecutable();
}
