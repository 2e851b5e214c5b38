#include "pages/radio/KPCountersValues.h"

#include "pages/radio/CounterConversion.h"

#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <cmath>

KPCountersValues::KPCountersValues(quint32 counter1, quint32 counter2, quint32 unused1,
                                   quint32 unused2, double weight, const QString &serial1,
                                   const QString &serial2, QWidget *parent)
    : CountersDialog(parent), m_counts{counter1, counter2}, m_weight(weight)
{
    Q_UNUSED(unused1)
    Q_UNUSED(unused2)
    setObjectName(QStringLiteral("KPCountersValues"));
    setWindowTitle(tr("KP counters impulses"));
    resize(360, 300);

    const bool weighted = std::isfinite(weight) && weight > 0;
    mainLayout()->addWidget(new QLabel(tr("Set KP counters impulses"), this));
    auto *values = new QFormLayout;
    const QString captions[2] = {tr("Counter 1 m³"), tr("Counter 2 m³")};
    for (int k = 0; k < 2; ++k) {
        // The device reports litres; the meters count impulses of the weight.
        QDoubleSpinBox *box = addValueBox(4294967.28, weighted ? weight * 0.001 : 0.001,
                                          double(m_counts[k]) / 1000.0);
        box->setEnabled(weighted);
        values->addRow(captions[k], box);
    }
    mainLayout()->addLayout(values);
    mainLayout()->addWidget(new QLabel(tr("Set KP counters serial numbers"), this));
    auto *serials = new QFormLayout;
    const QString serialCaptions[2] = {tr("Counter 1"), tr("Counter 2")};
    const QString texts[2] = {serial1, serial2};
    for (int k = 0; k < 2; ++k) {
        m_serials[k] = new QLineEdit(this);
        m_serials[k]->setObjectName(QStringLiteral("leSerial%1").arg(k + 1));
        m_serials[k]->setMaxLength(13);
        m_serials[k]->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,13}")), m_serials[k]));
        m_serials[k]->setText(texts[k]);
        serials->addRow(serialCaptions[k], m_serials[k]);
    }
    mainLayout()->addLayout(serials);
    addButtons({tr("Ok"), tr("Cancel")});
}

QLineEdit *KPCountersValues::serial(int counter) const
{
    return counter >= 1 && counter <= 2 ? m_serials[counter - 1] : nullptr;
}

void KPCountersValues::report()
{
    quint32 counts[2];
    for (int k = 0; k < 2; ++k) {
        if (!isEdited(k) || !(m_weight > 0)) {
            // An untouched reading sends the litres it showed by the weight.
            counts[k] = m_weight > 0 ? CounterConversion::impulses(double(m_counts[k]) / 1000.0,
                                                                   m_weight, true, m_counts[k])
                                     : m_counts[k];
        } else {
            counts[k] =
                CounterConversion::impulses(box(k + 1)->value(), m_weight, true, m_counts[k]);
        }
    }
    emit updateValues(counts[0], counts[1], m_serials[0]->text(), m_serials[1]->text());
}
