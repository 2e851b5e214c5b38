#include "pages/users/UsersWidget.h"

#include "pages/users/UserModel.h"

#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

UsersWidget::UsersWidget(QWidget *parent)
    : QWidget(parent), m_proxy(new QSortFilterProxyModel(this)), m_view(new QTableView(this))
{
    m_view->setObjectName(QStringLiteral("tvUsers"));
    m_view->setModel(m_proxy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
}

void UsersWidget::setModel(UserModel *model)
{
    m_model = model;
    m_proxy->setSourceModel(model);
}

UserModel *UsersWidget::model() const
{
    return m_model;
}
