#include "pages/users/UserSortModel.h"

bool UserSortModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const QVariant leftValue = left.data(Qt::DisplayRole);
    const QVariant rightValue = right.data(Qt::DisplayRole);
    if (left.column() == 0)
        return leftValue.toInt() < rightValue.toInt();
    // Code unit order, case counts: upper-case names come first.
    return leftValue.toString() < rightValue.toString();
}
