#pragma once

#include "radio/Sensor.h"

#include <QSet>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

// The window that lists the radio devices enrolled so far while the communicator accepts
// new ones, with the button that ends the enrolment.
class AddSensorsList : public QWidget
{
    Q_OBJECT
public:
    explicit AddSensorsList(QWidget *parent = nullptr);

    void setPartitionTitle(const QString &partition);
    void setTitle(const QString &text);
    int rowCount() const;

public slots:
    void addSensor(Sensor::SPtr device);
    void onStopClicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void clearRows();

    QLabel *m_title;
    QTableWidget *m_list;
    QLabel *m_count;
    QPushButton *m_stop;
    // The device numbers listed, so a repeated announcement is found without a scan.
    QSet<int> m_listed;
};
