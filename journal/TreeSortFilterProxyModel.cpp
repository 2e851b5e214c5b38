#include "journal/TreeSortFilterProxyModel.h"

#include <QRegularExpression>

bool TreeSortFilterProxyModel::filterAcceptsRow(int sourceRow,
                                                const QModelIndex &sourceParent) const
{
    const int column = filterKeyColumn();
    if (!filterRegularExpression().pattern().isEmpty() && column >= 0) {
        const QAbstractItemModel *model = sourceModel();
        const QModelIndex row = model->index(sourceRow, 0, sourceParent);
        const int children = model->rowCount(row);
        for (int child = 0; child < children; ++child)
            if (filterAcceptsRow(child, row))
                return true;
        const QString text = model->index(sourceRow, column, sourceParent).data().toString();
        return text.contains(filterRegularExpression());
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}
