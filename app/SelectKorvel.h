#pragma once

#include <QDialog>
#include <QList>

#include "link/HIDInterface.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

// "Multiple devices detected": the user picks one of several communicators plugged in at
// once. The list lives in the form only, one radio button per device whose text carries
// the serial number.
class SelectKorvel : public QDialog
{
    Q_OBJECT
public:
    explicit SelectKorvel(QWidget *parent = nullptr);

    void addDevice(const connect_info &device);
    void clearDevices();
    void setDevices(const QList<connect_info> &devices);
    void showDevices(const QList<connect_info> &devices);
    // The serial number of the selected device; empty when none is selected.
    QString selectedSerial() const;

public slots:
    // Asks ModalAnswerer first: its answer is the index of the device to connect, any
    // other value cancels.
    int exec() override;
    void centre();
    void onDevicesFound();
    void onDeviceLost(const QString &serial);

private:
    void setupUi();
    void retranslateUi();

    QLabel *m_label = nullptr;
    QWidget *m_devices = nullptr;
    QVBoxLayout *m_deviceLayout = nullptr;
    QPushButton *m_connect = nullptr;
    QPushButton *m_cancel = nullptr;
};
