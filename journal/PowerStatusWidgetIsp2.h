#pragma once

#include "link/Records.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class PowerStatusIsp2;
class QLabel;

// The power panel of hardware variant 2.
class PowerStatusWidgetIsp2 : public QWidget
{
    Q_OBJECT
public:
    explicit PowerStatusWidgetIsp2(QWidget *parent = nullptr);

    void setPowerStatus(PowerStatusIsp2 *status);
    PowerStatusIsp2 *powerStatus() const;
    // A value label by its object name.
    QLabel *label(const char *name) const;

public slots:
    void onConnected();
    void statusUpdated();

private:
    void build();

    QPointer<PowerStatusIsp2> m_status;
    QHash<QString, QLabel *> m_labels;
};
