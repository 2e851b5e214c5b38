#pragma once

#include <QPointer>
#include <QWidget>

class QSortFilterProxyModel;
class QTableView;
class UserModel;

// The users page: the device's users through a sort proxy.
class UsersWidget : public QWidget
{
    Q_OBJECT
public:
    explicit UsersWidget(QWidget *parent = nullptr);

    void setModel(UserModel *model);
    UserModel *model() const;

signals:
    // Saved user changes that invalidate the current login end the connection.
    void forceDisconnect();

private:
    QPointer<UserModel> m_model;
    QSortFilterProxyModel *m_proxy;
    QTableView *m_view;
};
