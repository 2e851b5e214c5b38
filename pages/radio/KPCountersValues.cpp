#include "pages/radio/KPCountersValues.h"

#include "app/ModalAnswerer.h"
#include "pages/radio/CounterConversion.h"

#include <QDialogButtonBox>
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
    : QDialog(parent), m_counts{counter1, counter2}, m_weight(weight)
{
    Q_UNUSED(unused1)
    Q_UNUSED(unused2)
    setObjectName(QStringLiteral("KPCountersValues"));
    setWindowTitle(tr("KP counters impulses"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(360, 300);

    const bool weighted = std::isfinite(weight) && weight > 0;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Set KP counters impulses"), this));
    auto *values = new QFormLayout;
    const QString captions[2] = {tr("Counter 1 m³"), tr("Counter 2 m³")};
    for (int k = 0; k < 2; ++k) {
        m_boxes[k] = new QDoubleSpinBox(this);
        m_boxes[k]->setObjectName(QStringLiteral("sbValue%1").arg(k + 1));
        m_boxes[k]->setDecimals(3);
        m_boxes[k]->setRange(0, 4294967.28);
        m_boxes[k]->setSingleStep(weighted ? weight * 0.001 : 0.001);
        // The device reports litres; the meters count impulses of the weight.
        m_boxes[k]->setValue(double(m_counts[k]) / 1000.0);
        m_shown[k] = m_boxes[k]->value();
        m_boxes[k]->setEnabled(weighted);
        values->addRow(captions[k], m_boxes[k]);
    }
    layout->addLayout(values);
    layout->addWidget(new QLabel(tr("Set KP counters serial numbers"), this));
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
    layout->addLayout(serials);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &KPCountersValues::report);
}

QDoubleSpinBox *KPCountersValues::box(int counter) const
{
    return counter >= 1 && counter <= 2 ? m_boxes[counter - 1] : nullptr;
}

QLineEdit *KPCountersValues::serial(int counter) const
{
    return counter >= 1 && counter <= 2 ? m_serials[counter - 1] : nullptr;
}

int KPCountersValues::exec()
{
    if (!ModalAnswerer::isActive())
        return QDialog::exec();
    ModalAnswerer::Request request;
    request.kind = QStringLiteral("dialog");
    request.title = windowTitle();
    request.buttons = QStringList{tr("Ok"), tr("Cancel")};
    setResult(-1);
    const int answer = ModalAnswerer::answer(request);
    // Rejected while it was being answered: the link went down meanwhile.
    if (result() == QDialog::Rejected)
        return QDialog::Rejected;
    if (answer == 1)
        accept();
    else
        reject();
    return result();
}

void KPCountersValues::report()
{
    quint32 counts[2];
    for (int k = 0; k < 2; ++k) {
        const bool edited = m_boxes[k]->value() != m_shown[k];
        if (!edited || !(m_weight > 0)) {
            // An untouched reading sends the litres it showed by the weight.
            counts[k] = m_weight > 0 ? CounterConversion::impulses(double(m_counts[k]) / 1000.0,
                                                                   m_weight, true, m_counts[k])
                                     : m_counts[k];
        } else {
            counts[k] =
                CounterConversion::impulses(m_boxes[k]->value(), m_weight, true, m_counts[k]);
        }
    }
    emit updateValues(counts[0], counts[1], m_serials[0]->text(), m_serials[1]->text());
}
