#pragma once

#include "pages/users/IButtonSetts.h"

#include <QPointer>
#include <QWidget>

class IButtonModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The window in which a key is added by hand or changed: identifier, owner, access law and
// partitions. It hands the settings over; storing them is the opener's work.
class IButtonAddDialog : public QWidget
{
    Q_OBJECT
public:
    enum Mode
    {
        AddMode = 0,
        EditMode = 1
    };

    IButtonAddDialog(int mode, IButtonModel *model, uchar index, QWidget *parent = nullptr);
    ~IButtonAddDialog() override;

    void setSettings(const IButtonSetts &setts);

signals:
    void settsChanged(const IButtonSetts &setts);

public slots:
    void checkAndAccept();
    void acceptSettings();

private:
    void buildForm();
    void onIdTextChanged(const QString &text);
    void refuse(const QString &text);

    uchar m_index;
    QPointer<IButtonModel> m_model;
    QLabel *label;
    QLineEdit *leKeyID;
    QLabel *lblUser;
    QComboBox *cbUsers;
    QLabel *lblAccess;
    QComboBox *cbAccess;
    QLabel *lblPartitions;
    QComboBox *cbPartitions;
    QPushButton *pbOk;
    QPushButton *pbClose;
};
