#include "pages/radio/OutputSettingsWidgetGeneral.h"

#include "app/DoubleSpinBoxWithValidator.h"
#include "app/Overmind.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputHints.h"
#include "radio/PartitionModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

OutputSettingsWidgetGeneral::OutputSettingsWidgetGeneral(QWidget *parent) : QWidget(parent)
{
    buildForm();
}

void OutputSettingsWidgetGeneral::buildForm()
{
    setObjectName(QStringLiteral("general"));
    resize(360, 240);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);

    auto *group = new QGroupBox(tr("Time and volume"), this);
    group->setObjectName(QStringLiteral("gbTimeAndVolume"));
    m_mask = new MaskEditWidget(group);
    m_mask->setObjectName(QStringLiteral("maskWidget"));
    (new QVBoxLayout(group))->addWidget(m_mask);
    grid->addWidget(group, 0, 0, 1, 4);

    m_inverted = new QCheckBox(this);
    m_inverted->setObjectName(QStringLiteral("cbInversionOut"));
    m_feedbackSensor = new QComboBox(this);
    m_feedbackSensor->setObjectName(QStringLiteral("cbFeedbackSensor"));
    m_feedbackSensor->setMinimumWidth(200);
    m_feedbackSensor->setMaxCount(126);
    m_reference = new QDoubleSpinBox(this);
    m_reference->setObjectName(QStringLiteral("sbRefValue"));
    m_reference->setDecimals(1);
    m_reference->setSingleStep(0.1);
    m_hysteresis = new QDoubleSpinBox(this);
    m_hysteresis->setObjectName(QStringLiteral("sbHysteresis"));
    m_hysteresis->setDecimals(1);
    m_hysteresis->setRange(1.0, 20.0);
    m_feedbackValue = new DoubleSpinBoxWithValidator(this);
    m_feedbackValue->setObjectName(QStringLiteral("sbFeedbackValue"));
    m_feedbackValue->setReadOnly(true);
    m_feedbackValue->setButtonSymbols(QAbstractSpinBox::NoButtons);
    m_feedbackValue->setDecimals(1);
    // The signed hundredths of a 16-bit word, so sub-zero readings show as they are.
    m_feedbackValue->setRange(-327.68, 327.67);

    m_invertHint = OutputHints::makeIcon(this, QStringLiteral("lblInvertControlHint"));
    m_sensorHint = OutputHints::makeIcon(this, QStringLiteral("lblFeedbackSensorHint"));
    m_referenceHint = OutputHints::makeIcon(this, QStringLiteral("lblRefHint"));
    m_hysteresisHint = OutputHints::makeIcon(this, QStringLiteral("lblHysteresisHint"));
    m_feedbackHint = OutputHints::makeIcon(this, QStringLiteral("lblFeedbackHint"));

    const auto addRow = [this, grid](int row, const QString &caption, QWidget *control,
                                     QLabel *hint) {
        auto *label = new QLabel(caption, this);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1, 1, 2);
        grid->addWidget(hint, row, 3);
    };
    addRow(1, tr("Invert control"), m_inverted, m_invertHint);
    addRow(2, tr("Feedback sensor:"), m_feedbackSensor, m_sensorHint);
    addRow(3, tr("Reference value:"), m_reference, m_referenceHint);
    addRow(5, tr("Hysteresis:"), m_hysteresis, m_hysteresisHint);
    addRow(6, tr("Feedback value:"), m_feedbackValue, m_feedbackHint);
}

void OutputSettingsWidgetGeneral::setInverted(bool inverted)
{
    m_inverted->setChecked(inverted);
}

void OutputSettingsWidgetGeneral::setHysteresis(double value)
{
    m_hysteresis->setValue(value);
}

void OutputSettingsWidgetGeneral::setReference(double value)
{
    m_reference->setValue(value);
}

void OutputSettingsWidgetGeneral::setReferenceRange(double minimum, double maximum)
{
    m_reference->setRange(minimum, maximum);
}

void OutputSettingsWidgetGeneral::setFeedbackValue(double value)
{
    m_feedbackValue->setValue(value);
}

void OutputSettingsWidgetGeneral::setMask(quint32 mask)
{
    m_mask->setMask(mask);
}

bool OutputSettingsWidgetGeneral::isInverted() const
{
    return m_inverted->isChecked();
}

int OutputSettingsWidgetGeneral::hysteresis() const
{
    return int(std::trunc(m_hysteresis->value() * 10));
}

int OutputSettingsWidgetGeneral::reference() const
{
    return int(std::trunc(m_reference->value() * 10));
}

quint16 OutputSettingsWidgetGeneral::feedbackSensor() const
{
    bool valid = false;
    const int device = m_feedbackSensor->currentData().toInt(&valid);
    return valid ? quint16(device) : 0;
}

quint32 OutputSettingsWidgetGeneral::mask() const
{
    return m_mask->mask();
}

bool OutputSettingsWidgetGeneral::fitsKind(int type, int kind)
{
    switch (kind) {
    case 0:
    case 1:
        return type == 2 || type == 10 || type == 31;
    case 2:
        return type == 10 || type == 31;
    case 3:
        return type == 31;
    default:
        return false;
    }
}

void OutputSettingsWidgetGeneral::fillFeedbackSensors(quint16 selected, int kind)
{
    disconnect(m_feedbackSensor, nullptr, nullptr, nullptr);
    m_feedbackSensor->clear();
    m_feedbackSensor->setEditable(false);
    int current = -1;
    if (kind == 0)
        m_feedbackSensor->addItem(tr("Korvel GSM R int sens"), int(OwnSensor));
    if (selected == OwnSensor && kind == 0)
        current = 0;
    Overmind *overmind = Overmind::instance();
    PartitionModel *model = overmind ? overmind->partitionModel() : nullptr;
    const int limit = overmind ? overmind->deviceInfo().maxSensors() : 0;
    for (int number = 0; model && number < limit; ++number) {
        const Sensor::SPtr device = model->sensor(number);
        if (!device || !fitsKind(device->type(), kind))
            continue;
        m_feedbackSensor->addItem(device->displayName(), number);
        if (number == selected)
            current = m_feedbackSensor->count() - 1;
    }
    const bool empty = m_feedbackSensor->count() == 0;
    if (empty) {
        m_feedbackSensor->setEditable(true);
        m_feedbackSensor->setEditText(tr("Please connect Pellan to the system"));
    } else {
        m_feedbackSensor->setCurrentIndex(current < 0 ? 0 : current);
    }
    m_feedbackSensor->setEnabled(!empty);
    m_reference->setEnabled(!empty);
    m_hysteresis->setEnabled(!empty);
    m_feedbackValue->setEnabled(!empty);
    connect(m_feedbackSensor, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) {
                emit feedbackSensorChanged(m_feedbackSensor->itemData(index).toInt());
            });
}

void OutputSettingsWidgetGeneral::setHints(const QStringList &hints)
{
    if (hints.size() != 5)
        return;
    const QList<QLabel *> icons{m_invertHint, m_hysteresisHint, m_referenceHint, m_sensorHint,
                                m_feedbackHint};
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->setProperty("Hint", hints[i]);
}
