#include "pages/radio/MaskEditWidget.h"

#include "app/BitfieldWidget.h"
#include "app/Logger.h"
#include "pages/radio/OutputHints.h"
#include "pages/radio/OutputMaskTimeEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSlider>

namespace {
constexpr int StepMs[4] = {125, 1000, 8000, 32000};
constexpr int Range125Ms = 32000;
constexpr int Range1s = 256000;
constexpr int Range8s = 2048000;
constexpr quint32 DurationBits = 0x3FF;
constexpr quint32 EndStateBit = 1u << 10;
constexpr quint32 VolumeBits = 0xFu << 11;
constexpr quint32 ModulationBit = 1u << 15;
const QTime MaxTime(2, 16, 0);
} // namespace

MaskEditWidget::MaskEditWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    buildForm();
    connect(m_bits, &BitfieldWidget::bitsChanged, this, &MaskEditWidget::recalcMask);
    connect(m_endState, &QCheckBox::toggled, this, &MaskEditWidget::recalcMask);
    connect(m_modulation, &QCheckBox::toggled, this, &MaskEditWidget::recalcMask);
    connect(m_timeSlider, &QSlider::valueChanged, this, &MaskEditWidget::timeSliderChanged);
    connect(m_volume, &QSlider::valueChanged, this, &MaskEditWidget::recalcMask);
    connect(m_raw, &QLineEdit::textEdited, this, &MaskEditWidget::rawMaskEdited);
    connect(m_time, &OutputMaskTimeEdit::stepDownPressed, m_timeSlider,
            [this] { m_timeSlider->setValue(m_timeSlider->value() - 1); });
    connect(m_time, &OutputMaskTimeEdit::stepUpPressed, m_timeSlider,
            [this] { m_timeSlider->setValue(m_timeSlider->value() + 1); });
    m_raw->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("0?x?[0-9a-fA-F]{8}")), m_raw));
}

void MaskEditWidget::buildForm()
{
    setObjectName(QStringLiteral("MaskEditWidget"));
    resize(348, 200);
    setMouseTracking(true);
    auto *grid = new QGridLayout(this);

    auto *timeLabel = new QLabel(tr("Time:"), this);
    timeLabel->setObjectName(QStringLiteral("lblTime"));
    m_time = new OutputMaskTimeEdit(this);
    m_time->setObjectName(QStringLiteral("teTime"));
    m_time->setDisplayFormat(QStringLiteral("H:mm:ss.zzz"));
    m_time->setMaximumTime(MaxTime);
    m_time->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    m_timeSlider = new QSlider(Qt::Horizontal, this);
    m_timeSlider->setObjectName(QStringLiteral("hsTime"));
    m_timeSlider->setRange(0, msToPosition(MaxTime.msecsSinceStartOfDay()));

    m_volumeLabel = new QLabel(tr("Volume:"), this);
    m_volumeLabel->setObjectName(QStringLiteral("lblVolume"));
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setObjectName(QStringLiteral("hsVolume"));
    m_volume->setRange(0, 15);
    m_volume->setPageStep(3);

    m_endState = new QCheckBox(tr("End state"), this);
    m_endState->setObjectName(QStringLiteral("cbEndState"));
    m_modulation = new QCheckBox(tr("Modulation"), this);
    m_modulation->setObjectName(QStringLiteral("cbModulation"));
    m_modulation->setLayoutDirection(Qt::LeftToRight);
    m_modulationHint =
        OutputHints::makeIcon(this, QStringLiteral("lbModulation"), OutputHints::modulation());

    auto *maskLabel = new QLabel(tr("Mask:"), this);
    maskLabel->setObjectName(QStringLiteral("lblMask"));
    m_bits = new BitfieldWidget(this);
    m_bits->setObjectName(QStringLiteral("bitsWidget"));
    m_bits->setCount(16);
    m_bits->setColumnCount(16);
    m_bits->setCellWidth(10);
    m_bits->setCellHeight(10);

    auto *rawLabel = new QLabel(tr("Raw data:"), this);
    rawLabel->setObjectName(QStringLiteral("lblRawData"));
    m_raw = new QLineEdit(this);
    m_raw->setObjectName(QStringLiteral("leRaw"));

    grid->addWidget(timeLabel, 0, 0);
    grid->addWidget(m_time, 0, 1, 1, 4);
    grid->addWidget(OutputHints::makeIcon(this, QStringLiteral("lbTime"), OutputHints::maskTime()),
                    0, 5);
    grid->addWidget(m_timeSlider, 1, 1, 1, 4);
    grid->addWidget(m_volumeLabel, 2, 0);
    grid->addWidget(m_volume, 2, 1, 1, 4);
    grid->addWidget(m_endState, 3, 4);
    grid->addWidget(
        OutputHints::makeIcon(this, QStringLiteral("lbEndState"), OutputHints::endState()), 3, 5);
    grid->addWidget(m_modulation, 4, 4);
    grid->addWidget(m_modulationHint, 4, 5);
    grid->addWidget(maskLabel, 5, 0);
    grid->addWidget(m_bits, 5, 2, 1, 3);
    grid->addWidget(
        OutputHints::makeIcon(this, QStringLiteral("lbBitsWidget"), OutputHints::maskBits()), 5, 5);
    grid->addWidget(rawLabel, 6, 0);
    grid->addWidget(m_raw, 6, 1, 1, 5);
    setTabOrder(m_time, m_timeSlider);
    setTabOrder(m_timeSlider, m_volume);
    setTabOrder(m_volume, m_modulation);
    setTabOrder(m_modulation, m_raw);
}

int MaskEditWidget::positionToMs(int position)
{
    if (position <= 256)
        return position * 125;
    if (position <= 480)
        return (position - 224) * 1000;
    if (position <= 704)
        return (position - 448) * 8000;
    return (position - 640) * 32000;
}

int MaskEditWidget::msToPosition(int ms)
{
    if (ms <= Range125Ms)
        return ms / 125;
    if (ms <= Range1s)
        return (ms - Range125Ms) / 1000 + 256;
    if (ms <= Range8s)
        return (ms - Range1s) / 8000 + 480;
    return (ms - Range8s) / 32000 + 704;
}

quint32 MaskEditWidget::encodeDuration(int ms)
{
    int step = 0;
    if (ms >= Range8s)
        step = 3;
    else if (ms >= Range1s)
        step = 2;
    else if (ms >= Range125Ms)
        step = 1;
    return quint32(step) << 8 | quint32(ms / StepMs[step]);
}

int MaskEditWidget::durationMs(quint32 mask)
{
    return int(mask & 0xFF) * StepMs[(mask >> 8) & 0x3];
}

void MaskEditWidget::blockControls(bool block)
{
    for (QObject *control : std::initializer_list<QObject *>{m_endState, m_modulation, m_time,
                                                             m_timeSlider, m_volume, m_raw})
        control->blockSignals(block);
}

void MaskEditWidget::setMask(quint32 mask)
{
    blockControls(true);
    m_mask = mask;
    m_endState->setChecked(mask & EndStateBit);
    m_modulation->setChecked(mask & ModulationBit);
    m_volume->setValue(int((mask & VolumeBits) >> 11));
    m_bits->setFromUInt64(mask >> 16);
    m_time->setTime(QTime(0, 0).addMSecs(durationMs(mask)));
    m_timeSlider->setValue(msToPosition(m_time->time().msecsSinceStartOfDay()));
    if (!m_rawEditing)
        showRaw();
    blockControls(false);
}

void MaskEditWidget::setVolumeVisible(bool visible)
{
    m_volumeLabel->setVisible(visible);
    m_volume->setVisible(visible);
    m_modulation->setVisible(visible);
    m_modulationHint->setVisible(visible);
}

void MaskEditWidget::showRaw()
{
    m_raw->setText(QStringLiteral("0x%1").arg(m_mask, 8, 16, QLatin1Char('0')));
}

void MaskEditWidget::recalcMask()
{
    quint32 mask = encodeDuration(m_time->time().msecsSinceStartOfDay()) & DurationBits;
    if (m_endState->isChecked())
        mask |= EndStateBit;
    if (m_modulation->isChecked())
        mask |= ModulationBit;
    mask |= quint32(m_bits->toUInt64() & 0xFFFF) << 16;
    mask |= (quint32(m_volume->value()) << 11) & VolumeBits;
    m_mask = mask;
    if (!m_rawEditing)
        showRaw();
}

void MaskEditWidget::timeSliderChanged()
{
    m_time->setTime(QTime(0, 0).addMSecs(positionToMs(m_timeSlider->value())));
    recalcMask();
}

void MaskEditWidget::timeEditChanged()
{
    m_timeSlider->setValue(msToPosition(m_time->time().msecsSinceStartOfDay()));
}

void MaskEditWidget::rawMaskEdited()
{
    static const QRegularExpression number(QStringLiteral("^(?:0x)?([0-9a-fA-F]{1,8})$"));
    m_rawEditing = true;
    const QRegularExpressionMatch match = number.match(m_raw->text());
    if (match.hasMatch())
        setMask(match.captured(1).toUInt(nullptr, 16));
    else
        logError(this, QStringLiteral("Bad mask"));
    m_rawEditing = false;
}
