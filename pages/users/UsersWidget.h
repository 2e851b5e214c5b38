#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;
class UserModel;
class UserSortModel;

// The users page: lists the device's users and lets an entitled user add, edit and
// delete them; every change goes to the device at once.
class UsersWidget : public QWidget
{
    Q_OBJECT
public:
    explicit UsersWidget(QWidget *parent = nullptr);

    void setModel(UserModel *model);
    UserModel *model() const;

signals:
    // The connected user's account was deleted: the connection has to end.
    void forceDisconnect();

public slots:
    void deleteSelected();
    void setEnableAdd();
    void connected();
    void disconnected();
    void openUserAddDialog();
    void onLockSettingsChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The logged-in user may change users; viewing a file never does.
    bool mayEdit() const;
    void addUser();
    void updateDeleteButton();
    void moveToNextRow();
    void refreshPartitions();
    QString deleteQuestion(const QStringList &names) const;

    QPointer<UserModel> m_model;
    UserSortModel *m_proxy;
    QLabel *lblMessage;
    QPushButton *pbAddUser;
    QPushButton *pbDeleteSelected;
    QTableView *tvUsers;
};
