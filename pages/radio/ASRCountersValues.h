#pragma once

#include "pages/radio/CountersDialog.h"

class QLabel;

// Dialog setting the readings of a pulse counter's inputs, shown in cubic metres.
class ASRCountersValues : public CountersDialog
{
    Q_OBJECT
public:
    ASRCountersValues(int deviceType, quint32 counter1, quint32 counter2, quint32 counter3,
                      quint32 unused, quint32 weight1, quint32 weight2, quint32 weight3,
                      int countingMode, QWidget *parent = nullptr);

signals:
    void updateValues(quint32 val1, quint32 val2, quint32 val3);

protected:
    void report() override;

private:
    quint32 m_counts[3];
    double m_weights[3];
};
