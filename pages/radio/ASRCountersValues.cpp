#include "pages/radio/ASRCountersValues.h"

#include "app/ModalAnswerer.h"
#include "pages/radio/CounterConversion.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

ASRCountersValues::ASRCountersValues(int deviceType, quint32 counter1, quint32 counter2,
                                     quint32 counter3, quint32 unused, quint32 weight1,
                                     quint32 weight2, quint32 weight3, int countingMode,
                                     QWidget *parent)
    : QDialog(parent), m_counts{counter1, counter2, counter3}, m_weights{double(weight1),
                                                                         double(weight2),
                                                                         double(weight3)}
{
    Q_UNUSED(unused)
    setObjectName(QStringLiteral("ASRCountersValues"));
    setWindowTitle(tr("ASR counters impulses"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(230, 180);
    setMaximumSize(230, 180);

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Set ASR counters impulses"), this);
    layout->addWidget(heading);
    auto *form = new QFormLayout;
    const QString captions[3] = {tr("Counter 1 m³:"), tr("Counter 2 m³:"), tr("Counter 3:")};
    for (int k = 0; k < 3; ++k) {
        m_labels[k] = new QLabel(captions[k], this);
        m_labels[k]->setObjectName(QStringLiteral("lblC%1").arg(k + 1));
        m_boxes[k] = new QDoubleSpinBox(this);
        m_boxes[k]->setObjectName(QStringLiteral("sbValue%1").arg(k + 1));
        m_boxes[k]->setDecimals(3);
        m_boxes[k]->setRange(0, 999999.99);
        m_boxes[k]->setValue(CounterConversion::cubicMetres(m_counts[k], m_weights[k]));
        m_shown[k] = m_boxes[k]->value();
        // Without a weight no reading converts back: the count stays as it is.
        m_boxes[k]->setEnabled(m_weights[k] > 0);
        form->addRow(m_labels[k], m_boxes[k]);
    }
    layout->addLayout(form);
    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(this, &QDialog::accepted, this, &ASRCountersValues::report);

    bool shown[3] = {true, false, false};
    if (deviceType == 13) {
        if (countingMode == 3)
            shown[0] = false, shown[2] = true;
        else
            shown[1] = true;
    }
    for (int k = 0; k < 3; ++k) {
        m_labels[k]->setVisible(shown[k]);
        m_boxes[k]->setVisible(shown[k]);
    }
}

QDoubleSpinBox *ASRCountersValues::box(int counter) const
{
    return counter >= 1 && counter <= 3 ? m_boxes[counter - 1] : nullptr;
}

int ASRCountersValues::exec()
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

void ASRCountersValues::report()
{
    quint32 counts[3];
    for (int k = 0; k < 3; ++k) {
        const bool edited = m_boxes[k]->value() != m_shown[k];
        counts[k] =
            CounterConversion::impulses(m_boxes[k]->value(), m_weights[k], edited, m_counts[k]);
    }
    emit updateValues(counts[0], counts[1], counts[2]);
}
