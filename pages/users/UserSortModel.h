#pragma once

#include <QSortFilterProxyModel>

// Sorts the users page: user numbers as numbers, every other column as plain text.
class UserSortModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
