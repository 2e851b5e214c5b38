#pragma once

#include "pages/radio/CountersDialog.h"

class QLineEdit;

// Dialog setting a valve controller's two meter readings (in cubic metres) and the
// meters' 13-digit serial numbers.
class KPCountersValues : public CountersDialog
{
    Q_OBJECT
public:
    KPCountersValues(quint32 counter1, quint32 counter2, quint32 unused1, quint32 unused2,
                     double weight, const QString &serial1, const QString &serial2,
                     QWidget *parent = nullptr);

    QLineEdit *serial(int counter) const;

signals:
    void updateValues(quint32 val1, quint32 val2, QString serial1, QString serial2);

protected:
    void report() override;

private:
    quint32 m_counts[2];
    double m_weight;
    QLineEdit *m_serials[2] = {};
};
