#pragma once

#include <QSortFilterProxyModel>

// Over a file dialog's file model: folders and the files the user may run, or everything
// while not active. The file model itself ignores QDir::Executable.
class ProgramsOnlyModel : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setActive(bool active);

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
    bool active_ = false;
};
