#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QLineEdit;

// Dialog setting a valve controller's two meter readings (in cubic metres) and the
// meters' 13-digit serial numbers.
class KPCountersValues : public QDialog
{
    Q_OBJECT
public:
    KPCountersValues(quint32 counter1, quint32 counter2, quint32 unused1, quint32 unused2,
                     double weight, const QString &serial1, const QString &serial2,
                     QWidget *parent = nullptr);

    // Offers itself to the test hook first; a hook's answer 1 accepts, anything else rejects.
    int exec() override;

    QDoubleSpinBox *box(int counter) const;
    QLineEdit *serial(int counter) const;

signals:
    void updateValues(quint32 val1, quint32 val2, QString serial1, QString serial2);

private:
    void report();

    quint32 m_counts[2];
    double m_weight;
    double m_shown[2];
    QDoubleSpinBox *m_boxes[2] = {};
    QLineEdit *m_serials[2] = {};
};
