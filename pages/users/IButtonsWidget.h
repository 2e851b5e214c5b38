#pragma once

#include "pages/users/IButtonSetts.h"

#include <QPointer>
#include <QWidget>

class HexStringDelegate;
class IButtonModel;
class IButtonPartitionDelegate;
class IButtonPermissionDelegate;
class IButtonSettings;
class IButtonTableView;
class IButtonUserDelegate;
class QLabel;
class QPushButton;

// The keys page: lists the device's iButton keys, switches the reader's adding of keys,
// adds keys by hand, edits them in a dialog or in the cells and deletes them.
class IButtonsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit IButtonsWidget(QWidget *parent = nullptr);
    ~IButtonsWidget() override;

    void setModel(IButtonModel *model);
    IButtonModel *model() const;
    // The question asked before deleting keys with these identifiers.
    static QString deleteQuestion(const QStringList &identifiers);

public slots:
    void deleteSelected();
    void allowAddNew(bool allow);
    void addIButtonCliked();
    void onDoubleClicked();
    void onSelectedRows();
    void setEnableAddButton();
    void onLockSettingsChanged();
    void onNewIButton(int count);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setDelegates();
    void onLoginSuccessful();
    void addKey(const IButtonSetts &setts);
    void editKey(IButtonSettings *key, const IButtonSetts &setts);
    void showRow(int row);
    bool isViewing() const;
    // Viewing a file, or a user whose access level does not allow changes.
    bool isReadOnly() const;
    void applyAccess();

    QPointer<IButtonModel> m_model;
    QLabel *lblMessage;
    QPushButton *pbAllowAddNew;
    QPushButton *pbAddNew;
    QPushButton *pbDeleteSelected;
    IButtonTableView *tvIButtons;
    HexStringDelegate *m_hexDelegate = nullptr;
    IButtonPartitionDelegate *m_partitionDelegate = nullptr;
    IButtonPermissionDelegate *m_permissionDelegate = nullptr;
    IButtonUserDelegate *m_userDelegate = nullptr;
};
