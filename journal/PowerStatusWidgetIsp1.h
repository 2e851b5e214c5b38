#pragma once

#include "link/Records.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class PowerStatusIsp1;
class QLabel;

// The power panel of hardware variant 1.
class PowerStatusWidgetIsp1 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp1(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp1 *status);
    PowerStatusIsp1 *powerStatus() const;
    // A value label by its object name.
    QLabel *label(const char *name) const;

public slots:
    void onConnected();
    void statusUpdated();

private:
    void build();

    QPointer<PowerStatusIsp1> m_status;
    QHash<QString, QLabel *> m_labels;
};
