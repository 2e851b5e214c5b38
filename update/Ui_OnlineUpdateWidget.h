#pragma once

#include <QCoreApplication>
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QTableView;
class QTextEdit;
class QWidget;

// The controls of the firmware update page.
class Ui_OnlineUpdateWidget
{
public:
    void setupUi(QWidget *page);
    void retranslateUi(QWidget *page);

    QGridLayout *gridLayout_3 = nullptr;
    QPushButton *pbOnlyCompatible = nullptr;
    QLabel *label = nullptr;
    QGridLayout *gridLayout = nullptr;
    QPushButton *pbOpen = nullptr;
    QPushButton *pbCheck = nullptr;
    QPushButton *pbOnlineCheckSetup = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *lblLoadedFirm = nullptr;
    QPushButton *pbStop = nullptr;
    QPushButton *pbUpdate = nullptr;
    QListView *lvFirmwares = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QProgressBar *pbProgress = nullptr;
    QPushButton *pbSelectAll = nullptr;
    QPushButton *pbDeselectAll = nullptr;
    QPushButton *pbOnlyDeprecated = nullptr;
    QTableView *tvUpdate = nullptr;
    QGridLayout *gridLayout_2 = nullptr;
    QTextEdit *teNotify = nullptr;
    QHBoxLayout *horizontalLayout_3 = nullptr;
    QLabel *lblType = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblExecution = nullptr;
    QLabel *lblModification = nullptr;
    QLabel *lblSerial = nullptr;
    QTableView *tvMasters = nullptr;
};
