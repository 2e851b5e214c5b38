#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLabel;

// Dialog setting the readings of a pulse counter's inputs, shown in cubic metres.
class ASRCountersValues : public QDialog
{
    Q_OBJECT
public:
    ASRCountersValues(int deviceType, quint32 counter1, quint32 counter2, quint32 counter3,
                      quint32 unused, quint32 weight1, quint32 weight2, quint32 weight3,
                      int countingMode, QWidget *parent = nullptr);

    // Offers itself to the test hook first; a hook's answer 1 accepts, anything else rejects.
    int exec() override;

    QDoubleSpinBox *box(int counter) const;

signals:
    void updateValues(quint32 val1, quint32 val2, quint32 val3);

private:
    void report();

    quint32 m_counts[3];
    double m_weights[3];
    double m_shown[3];
    QDoubleSpinBox *m_boxes[3] = {};
    QLabel *m_labels[3] = {};
};
