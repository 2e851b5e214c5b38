#pragma once

#include <QSortFilterProxyModel>

// The journal's filter: with one key column an event stays when one of its reports matches.
class TreeSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
