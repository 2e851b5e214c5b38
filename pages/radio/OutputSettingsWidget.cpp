#include "pages/radio/OutputSettingsWidget.h"

#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputHints.h"
#include "pages/radio/OutputSettingsWidgetControlled.h"
#include "pages/radio/OutputSettingsWidgetEvents.h"
#include "pages/radio/OutputSettingsWidgetTemperature.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cstring>

namespace {
constexpr int TacticCount = 5;
const char *const TacticButtons[TacticCount] = {"pbTacticsDefault", "pbTacticsLamp",
                                                "pbTacticsBatteryLamp", "pbTacticsSiren",
                                                "pbTacticsDiscrete"};
} // namespace

OutputSettingsWidget::OutputSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    std::memset(&m_loaded, 0, sizeof(m_loaded));
    buildForm();
    m_presets->hide();
    m_journal->parentWidget()
        ->findChild<QLabel *>(QStringLiteral("lblLogEventsToJournalHint"))
        ->setProperty("Hint", OutputHints::journal());
    s_OutputModeSett zero;
    std::memset(&zero, 0, sizeof(zero));
    setModeSettings(zero);
    connect(m_mode, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &OutputSettingsWidget::onModeChanged);
    for (int index = 5; index >= 3; --index)
        if (index < m_mode->count())
            m_mode->removeItem(index);
    for (QWidget *form :
         std::initializer_list<QWidget *>{m_events, m_controlled, m_temperature, m_humidity, m_co})
        form->hide();
    m_presets->hide();
    const auto showHint = [this](const QString &hint) { m_hint->setText(hint); };
    connect(this, &BaseSettingsWidget::settingHint, m_hint, showHint);
    for (BaseSettingsWidget *form : findChildren<BaseSettingsWidget *>())
        connect(form, &BaseSettingsWidget::settingHint, m_hint, showHint);
    for (int type = 0; type < TacticCount; ++type)
        connect(findChild<QPushButton *>(QLatin1String(TacticButtons[type])), &QPushButton::clicked,
                this, [this, type] { requestTactic(type); });
}

QString OutputSettingsWidget::modeText(int mode)
{
    switch (mode) {
    case OutModeDisable:
        return tr("Off");
    case OutModeStandardEvents:
        return tr("Standard control");
    case OutModeExtControl:
        return tr("Ext control");
    case OutModeTempControl:
        return tr("Temp control");
    case OutModeHumidityControl:
        return tr("Humidity control");
    default:
        return tr("CO control");
    }
}

void OutputSettingsWidget::buildForm()
{
    setObjectName(QStringLiteral("OutputSettingsWidget"));
    resize(600, 637);
    setMinimumSize(600, 600);
    auto *grid = new QGridLayout(this);

    grid->addWidget(new QLabel(tr("Mode:"), this), 0, 0);
    m_mode = new QComboBox(this);
    m_mode->setObjectName(QStringLiteral("cbMode"));
    m_mode->setMouseTracking(true);
    for (int mode = 0; mode <= OutModeCoControl; ++mode)
        m_mode->addItem(modeText(mode));
    grid->addWidget(m_mode, 0, 1);

    auto *journalRow = new QHBoxLayout;
    m_journal = new QCheckBox(tr("Log events to journal"), this);
    m_journal->setObjectName(QStringLiteral("cbLogEventsToJournal"));
    journalRow->addWidget(m_journal);
    journalRow->addWidget(OutputHints::makeIcon(this, QStringLiteral("lblLogEventsToJournalHint")));
    journalRow->addStretch();
    grid->addLayout(journalRow, 1, 0, 1, 2);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(470);
    auto *contents = new QWidget(scroll);
    contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    auto *column = new QVBoxLayout(contents);
    column->setSpacing(6);
    column->setContentsMargins(0, 0, 0, 0);

    m_presets = new QGroupBox(tr("Presets (Output control tactics)"), contents);
    m_presets->setObjectName(QStringLiteral("gpPresets"));
    auto *buttons = new QHBoxLayout(m_presets);
    const QStringList captions{tr("Default tactic"), tr("Lamp"), tr("Battery lamp"), tr("Siren"),
                               tr("Discrete")};
    for (int type = 0; type < TacticCount; ++type) {
        auto *button = new QPushButton(captions[type], m_presets);
        button->setObjectName(QLatin1String(TacticButtons[type]));
        button->setCheckable(true);
        buttons->addWidget(button);
    }
    m_events = new OutputSettingsWidgetEvents(contents);
    m_temperature = new OutputSettingsWidgetTemperature(contents);
    m_controlled = new OutputSettingsWidgetControlled(contents);
    m_humidity = new OutputSettingsWidgetHumidity(contents);
    m_co = new OutputSettingsWidgetCO(contents);
    for (QWidget *widget : std::initializer_list<QWidget *>{m_presets, m_events, m_temperature,
                                                            m_controlled, m_humidity, m_co})
        column->addWidget(widget);
    column->addStretch();
    scroll->setWidget(contents);
    grid->addWidget(scroll, 2, 0, 1, 2);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, 3, 0, 1, 2);
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("lblSettingsHint"));
    m_hint->setMinimumHeight(70);
    m_hint->setWordWrap(true);
    grid->addWidget(m_hint, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void OutputSettingsWidget::addModeEntry(const QString &text)
{
    if (m_mode->findText(text, Qt::MatchExactly) < 0)
        m_mode->addItem(text);
}

void OutputSettingsWidget::addTempMode()
{
    addModeEntry(modeText(OutModeTempControl));
}

void OutputSettingsWidget::addTempHumidityModes()
{
    addTempMode();
    addModeEntry(modeText(OutModeHumidityControl));
}

void OutputSettingsWidget::addTempHumidityCOModes()
{
    addTempHumidityModes();
    addModeEntry(modeText(OutModeCoControl));
}

void OutputSettingsWidget::ensureModeEntries(quint16 mode)
{
    if (mode == OutModeTempControl)
        addTempMode();
    else if (mode == OutModeHumidityControl)
        addTempHumidityModes();
    else if (mode == OutModeCoControl)
        addTempHumidityCOModes();
}

void OutputSettingsWidget::setVolumeVisible(bool visible)
{
    m_events->setVolumeVisible(visible);
    m_controlled->setVolumeVisible(visible);
    for (OutputSettingsWidgetTemperature *form :
         {m_temperature, static_cast<OutputSettingsWidgetTemperature *>(m_humidity),
          static_cast<OutputSettingsWidgetTemperature *>(m_co)})
        form->setVolumeVisible(visible);
}

void OutputSettingsWidget::checkTacticButton(quint8 type)
{
    const QList<QPushButton *> buttons = m_presets->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setChecked(false);
    if (type < TacticCount) {
        findChild<QPushButton *>(QLatin1String(TacticButtons[type]))->setChecked(true);
        return;
    }
    MessageBoxU::exec(this, QMessageBox::Warning, tr("Tactic is not defined"), tr("Warning"),
                      QMessageBox::Ok);
}

void OutputSettingsWidget::setModeSettings(const s_OutputModeSett &settings)
{
    m_loaded = settings;
    m_events->setModeSettings(settings);
    m_temperature->setModeSettings(settings);
    m_co->setModeSettings(settings);
    m_humidity->setModeSettings(settings);
    m_controlled->setModeSettings(settings);
    ensureModeEntries(settings.Mode);
    if (settings.Mode == OutModeStandardEvents)
        checkTacticButton(settings.tactic);
    m_mode->setCurrentIndex(settings.Mode < m_mode->count() ? int(settings.Mode) : -1);
    m_journal->setChecked(settings.journalFlags & OutputFlag::OutEventsToJournal);
}

void OutputSettingsWidget::onModeChanged(int index)
{
    for (QWidget *form :
         std::initializer_list<QWidget *>{m_events, m_controlled, m_temperature, m_humidity, m_co})
        form->hide();
    switch (index) {
    case OutModeStandardEvents:
        m_events->show();
        break;
    case OutModeExtControl:
        m_controlled->show();
        break;
    case OutModeTempControl:
        m_temperature->show();
        m_temperature->refreshLiveValues();
        break;
    case OutModeHumidityControl:
        m_humidity->show();
        m_humidity->refreshLiveValues();
        break;
    case OutModeCoControl:
        m_co->show();
        m_co->refreshLiveValues();
        break;
    default:
        break;
    }
    m_presets->setVisible(index == OutModeStandardEvents);
}

s_OutputModeSett OutputSettingsWidget::modeSettings()
{
    s_OutputModeSett block;
    std::memset(&block, 0, sizeof(block));
    const int index = m_mode->currentIndex();
    block.Mode = index < 0 ? 0xFFFF : quint16(index);
    const s_OutputModeSett events = m_events->eventsOutMode();
    std::memcpy(&block, &events, sizeof(s_EventsOutMode));

    constexpr size_t valueAt = offsetof(s_OutputModeSett, Hyst);
    constexpr size_t valueSize = offsetof(s_OutputModeSett, EnableMask) - valueAt;
    OutputSettingsWidgetTemperature *valueForm = nullptr;
    if (block.Mode == OutModeTempControl)
        valueForm = m_temperature;
    else if (block.Mode == OutModeHumidityControl)
        valueForm = m_humidity;
    else if (block.Mode == OutModeCoControl)
        valueForm = m_co;
    const s_OutputModeSett values = valueForm ? valueForm->modeSettings() : m_loaded;
    std::memcpy(reinterpret_cast<quint8 *>(&block) + valueAt,
                reinterpret_cast<const quint8 *>(&values) + valueAt, valueSize);
    if (valueForm)
        block.RefSensAddr = block.FeedbackSensAddr;

    constexpr size_t externalAt = offsetof(s_OutputModeSett, EnableMask);
    constexpr size_t externalSize = offsetof(s_OutputModeSett, Mode) - externalAt;
    const s_OutputModeSett external = m_controlled->modeSettings();
    std::memcpy(reinterpret_cast<quint8 *>(&block) + externalAt,
                reinterpret_cast<const quint8 *>(&external) + externalAt, externalSize);
    if (valueForm)
        block.EnableMask = values.EnableMask;
    std::memset(block.reserved90, 0, sizeof(block.reserved90));
    block.journalFlags = quint8((block.journalFlags & ~OutputFlag::OutEventsToJournal) |
                                (m_journal->isChecked() ? OutputFlag::OutEventsToJournal : 0));
    return block;
}

void OutputSettingsWidget::setTactic(const s_EventsOutMode &tactic)
{
    s_OutputModeSett view;
    std::memcpy(&view, &tactic, sizeof(tactic));
    checkTacticButton(view.tactic);
    m_events->setEventsOutMode(tactic);
}

void OutputSettingsWidget::setOutputAddress(quint8 device, quint8 output)
{
    m_deviceNumber = device;
    m_outputNumber = output;
}

void OutputSettingsWidget::setOutputId(quint8 id)
{
    m_outputNumber = id;
    m_deviceNumber = quint8(id - 99);
}

void OutputSettingsWidget::requestTactic(int type)
{
    for (QPushButton *button : m_presets->findChildren<QPushButton *>())
        button->setChecked(false);
    // The output must be in the standard mode on the device before it takes a preset.
    if (m_loaded.Mode != OutModeStandardEvents) {
        m_loaded.Mode = OutModeStandardEvents;
        emit saveWidgetSettings();
    }
    m_request[0] = m_deviceNumber == NoDevice ? 0 : m_outputNumber;
    m_request[1] = quint8(type);
    m_request[2] = 0;
    m_request[3] = 0;
    Overmind *overmind = Overmind::instance();
    if (Protocol *link = overmind ? overmind->protocol() : nullptr)
        link->sendToDevice(_MenuDataOutputTactic, m_request[0], m_request, int(sizeof(m_request)));
}
