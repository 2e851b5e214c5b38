#include "pages/radio/OutputSettingsWidgetTemperature.h"

#include "app/Overmind.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputHints.h"
#include "pages/radio/OutputSettingsWidgetGeneral.h"
#include "radio/PartitionModel.h"

#include <QGridLayout>
#include <algorithm>
#include <cstring>

namespace {
// Offsets of the hundredths words in the status record and the private settings.
constexpr int StatusTemperature = 0;
constexpr int StatusTemperatureReference = 2;
constexpr int StatusHumidity = 4;
constexpr int StatusHumidityReference = 6;
constexpr int StatusCo = 16;
constexpr int PrivateTemperatureReference = 6;
constexpr int PrivateHumidityReference = 14;
constexpr int PrivateCoReference = 20;
constexpr int NoValue = -1;

double hundredths(const quint8 *bytes)
{
    qint16 word;
    std::memcpy(&word, bytes, sizeof(word));
    return word / 100.0;
}

double ownTemperature()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->temperature() : 0.0;
}
} // namespace

OutputSettingsWidgetTemperature::OutputSettingsWidgetTemperature(QWidget *parent)
    : OutputSettingsWidgetTemperature(Kind{0, -10, 55, OutputHints::temperature()}, parent)
{
    setObjectName(QStringLiteral("TemperatureMode"));
}

OutputSettingsWidgetTemperature::OutputSettingsWidgetTemperature(const Kind &kind, QWidget *parent)
    : BaseSettingsWidget(parent), m_general(new OutputSettingsWidgetGeneral(this)),
      m_kind(kind.sensorKind)
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    resize(400, 200);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_general, 0, 0);
    m_general->setHints(kind.hints);
    m_general->setReferenceRange(kind.referenceMinimum, kind.referenceMaximum);
    connect(m_general, &OutputSettingsWidgetGeneral::feedbackSensorChanged, this,
            &OutputSettingsWidgetTemperature::onFeedbackSensorChanged);
}

double OutputSettingsWidgetTemperature::statusValue(const Sensor &device, int offset)
{
    return hundredths(device.status().privateData.raw + offset);
}

double OutputSettingsWidgetTemperature::privateValue(const Sensor &device, int offset)
{
    return hundredths(device.privateSettings().raw + offset);
}

void OutputSettingsWidgetTemperature::loadControls(const s_OutputModeSett &settings)
{
    m_settings = settings;
    m_general->fillFeedbackSensors(settings.FeedbackSensAddr, m_kind);
    m_general->setInverted(settings.inversionFlags & OutputFlag::InversionOut);
    m_general->setHysteresis(settings.Hyst / 100.0);
    m_general->setMask(settings.EnableMask);
}

Sensor::SPtr OutputSettingsWidgetTemperature::feedbackDevice(std::initializer_list<int> types) const
{
    const quint16 number = m_general->feedbackSensor();
    Overmind *overmind = Overmind::instance();
    PartitionModel *model = overmind ? overmind->partitionModel() : nullptr;
    if (number == OutputSettingsWidgetGeneral::OwnSensor || !model)
        return nullptr;
    const Sensor::SPtr device = model->sensor(number);
    if (!device || std::find(types.begin(), types.end(), device->type()) == types.end())
        return nullptr;
    return device;
}

void OutputSettingsWidgetTemperature::showValuesAtLoad(int feedbackAt, int referenceAt)
{
    double feedback = ownTemperature();
    double reference = m_settings.IntTempRef / 100.0;
    Overmind *overmind = Overmind::instance();
    PartitionModel *model = overmind ? overmind->partitionModel() : nullptr;
    const quint16 number = m_settings.FeedbackSensAddr;
    const Sensor::SPtr device =
        number != OutputSettingsWidgetGeneral::OwnSensor && model && number < 256
            ? model->sensor(number)
            : nullptr;
    // A missing device, or one of a type that cannot feed this form, shows the stored values.
    if (device && device->type() != 9 &&
        OutputSettingsWidgetGeneral::fitsKind(device->type(), m_kind)) {
        feedback = statusValue(*device, feedbackAt);
        if (referenceAt != NoValue && device->type() != 2)
            reference = statusValue(*device, referenceAt);
    }
    m_general->setFeedbackValue(feedback);
    m_general->setReference(reference);
}

void OutputSettingsWidgetTemperature::showLiveValues(std::initializer_list<int> types,
                                                     int feedbackAt, int referenceAt)
{
    const Sensor::SPtr device = feedbackDevice(types);
    if (!device)
        return;
    m_general->setFeedbackValue(statusValue(*device, feedbackAt));
    m_general->setReference(privateValue(*device, referenceAt));
}

void OutputSettingsWidgetTemperature::setModeSettings(const s_OutputModeSett &settings)
{
    loadControls(settings);
    showValuesAtLoad(StatusTemperature, StatusTemperatureReference);
}

void OutputSettingsWidgetTemperature::refreshLiveValues()
{
    showLiveValues({10, 31}, StatusTemperature, PrivateTemperatureReference);
}

s_OutputModeSett OutputSettingsWidgetTemperature::modeSettings()
{
    m_settings.FeedbackSensAddr = m_general->feedbackSensor();
    m_settings.Hyst = quint16(m_general->hysteresis() * 10);
    m_settings.IntTempRef = qint16(m_general->reference() * 10);
    m_settings.inversionFlags = quint8((m_settings.inversionFlags & ~OutputFlag::InversionOut) |
                                       (m_general->isInverted() ? OutputFlag::InversionOut : 0));
    m_settings.EnableMask = m_general->mask();
    return m_settings;
}

void OutputSettingsWidgetTemperature::setVolumeVisible(bool visible)
{
    m_general->maskEditor()->setVolumeVisible(visible);
}

void OutputSettingsWidgetTemperature::onFeedbackSensorChanged(int device)
{
    // Loading again rebuilds the list with the device chosen; unsaved edits of this form go.
    s_OutputModeSett settings = m_settings;
    settings.FeedbackSensAddr = quint16(device);
    setModeSettings(settings);
}

OutputSettingsWidgetHumidity::OutputSettingsWidgetHumidity(QWidget *parent)
    : OutputSettingsWidgetTemperature(Kind{2, 10, 90, OutputHints::humidity()}, parent)
{
    setObjectName(QStringLiteral("HumidityMode"));
}

void OutputSettingsWidgetHumidity::setModeSettings(const s_OutputModeSett &settings)
{
    loadControls(settings);
    showValuesAtLoad(StatusHumidity, StatusHumidityReference);
}

void OutputSettingsWidgetHumidity::refreshLiveValues()
{
    showLiveValues({10, 31}, StatusHumidity, PrivateHumidityReference);
}

OutputSettingsWidgetCO::OutputSettingsWidgetCO(QWidget *parent)
    : OutputSettingsWidgetTemperature(Kind{3, 5, 90, OutputHints::co()}, parent)
{
    setObjectName(QStringLiteral("COMode"));
}

void OutputSettingsWidgetCO::setModeSettings(const s_OutputModeSett &settings)
{
    loadControls(settings);
    showLiveValues({31}, StatusCo, PrivateCoReference);
}

void OutputSettingsWidgetCO::refreshLiveValues()
{
    showLiveValues({31}, StatusCo, PrivateCoReference);
}
