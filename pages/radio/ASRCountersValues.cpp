#include "pages/radio/ASRCountersValues.h"

#include "pages/radio/CounterConversion.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

ASRCountersValues::ASRCountersValues(int deviceType, quint32 counter1, quint32 counter2,
                                     quint32 counter3, quint32 unused, quint32 weight1,
                                     quint32 weight2, quint32 weight3, int countingMode,
                                     QWidget *parent)
    : CountersDialog(parent), m_counts{counter1, counter2, counter3}, m_weights{double(weight1),
                                                                                double(weight2),
                                                                                double(weight3)}
{
    Q_UNUSED(unused)
    setObjectName(QStringLiteral("ASRCountersValues"));
    setWindowTitle(tr("ASR counters impulses"));
    resize(230, 180);
    setMaximumSize(230, 180);

    mainLayout()->addWidget(new QLabel(tr("Set ASR counters impulses"), this));
    auto *form = new QFormLayout;
    const QString captions[3] = {tr("Counter 1 m³:"), tr("Counter 2 m³:"), tr("Counter 3:")};
    QLabel *labels[3];
    QDoubleSpinBox *boxes[3];
    for (int k = 0; k < 3; ++k) {
        labels[k] = new QLabel(captions[k], this);
        labels[k]->setObjectName(QStringLiteral("lblC%1").arg(k + 1));
        boxes[k] =
            addValueBox(999999.99, 1.0, CounterConversion::cubicMetres(m_counts[k], m_weights[k]));
        // Without a weight no reading converts back: the count stays as it is.
        boxes[k]->setEnabled(m_weights[k] > 0);
        form->addRow(labels[k], boxes[k]);
    }
    mainLayout()->addLayout(form);
    addButtons({tr("Ok"), tr("Cancel")});

    bool shown[3] = {true, false, false};
    if (deviceType == 13) {
        if (countingMode == 3)
            shown[0] = false, shown[2] = true;
        else
            shown[1] = true;
    }
    for (int k = 0; k < 3; ++k) {
        labels[k]->setVisible(shown[k]);
        boxes[k]->setVisible(shown[k]);
    }
}

void ASRCountersValues::report()
{
    quint32 counts[3];
    for (int k = 0; k < 3; ++k)
        counts[k] = CounterConversion::impulses(box(k + 1)->value(), m_weights[k], isEdited(k),
                                                m_counts[k]);
    emit updateValues(counts[0], counts[1], counts[2]);
}
