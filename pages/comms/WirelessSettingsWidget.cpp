#include "pages/comms/WirelessSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/ModalAnswerer.h"
#include "app/Overmind.h"
#include "app/SpinBoxWithValidator.h"
#include "link/Protocol.h"
#include "pages/comms/ChangeChannelGroup.h"
#include "pages/comms/ChannelLoadAnalysis.h"
#include "pages/comms/HintLabel.h"
#include "pages/comms/WirelessSettings.h"
#include "pages/radio/UnshownValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace {
const char *const IntervalItems[] = {"1.5", "3", "4.5", "6", "9", "12", "15"};

Overmind *overmind()
{
    return Overmind::instance();
}

bool mayWrite()
{
    Overmind *controller = overmind();
    return controller && controller->canEdit() && !controller->isViewingMode();
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *widget = new QLabel(text, parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

WirelessSettingsWidget::WirelessSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setupUi();
    setupHints();
    setAccessibleNames();
    m_scanTimer.setInterval(ScanTimeoutMs);
    connect(m_save, &QPushButton::clicked, this, &WirelessSettingsWidget::saveSettings);
    if (Overmind *controller = overmind()) {
        connect(controller, &Overmind::connected, this, &WirelessSettingsWidget::connected);
        // The rights are known only after the login, so a device login enables Save again.
        connect(controller, &Overmind::loginSuccessful, this, &WirelessSettingsWidget::connected);
        connect(controller, &Overmind::disconnected, this, &WirelessSettingsWidget::disconnected);
    }
    connect(m_chooseBest, &QPushButton::clicked, this,
            [this] { QTimer::singleShot(1000, this, &WirelessSettingsWidget::findBestChannel); });
    connect(m_bestSelect, &QRadioButton::clicked, this, &WirelessSettingsWidget::followChannelMode);
    connect(m_manualSelect, &QRadioButton::clicked, this,
            &WirelessSettingsWidget::followChannelMode);
    connect(m_launch, &QPushButton::clicked, this, &WirelessSettingsWidget::launchLoadAnalysis);
    connect(m_group, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &WirelessSettingsWidget::onChannelGroupChanged);
    connect(&m_scanTimer, &QTimer::timeout, this, &WirelessSettingsWidget::onScanTimeout);
    m_group->setCurrentIndex(-1);
    m_channel->clear();
    setEnabled(false);
}

void WirelessSettingsWidget::setupUi()
{
    setObjectName(QStringLiteral("WirelessSettingsWidget"));
    resize(800, 400);
    setMouseTracking(true);
    auto *grid = new QGridLayout(this);
    grid->addWidget(label(this, "lblCurrentChannelTitle", tr("Current radio channel")), 0, 0);
    m_currentChannel = label(this, "lblCurrentChannel", tr("No information"));
    grid->addWidget(m_currentChannel, 0, 3);

    grid->addWidget(label(this, "lblChannelsGroup", tr("Channels group")), 1, 0);
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("cbChannelsGroup"));
    m_group->addItems(
        {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    grid->addWidget(m_group, 1, 3);

    grid->addWidget(label(this, "label", tr("Auto select channel")), 2, 0);
    m_autoSelect = new QCheckBox(this);
    m_autoSelect->setObjectName(QStringLiteral("cbAutoSelect"));
    grid->addWidget(m_autoSelect, 2, 3);

    m_bestSelect = new QRadioButton(tr("Use the best radio channel"), this);
    m_bestSelect->setObjectName(QStringLiteral("rbBestSelect"));
    grid->addWidget(m_bestSelect, 3, 0);
    m_bestChannelTitle = label(this, "lblBestChannel", tr("Best channel :"));
    m_bestChannelTitle->setFixedWidth(220);
    m_bestChannelTitle->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_bestChannelTitle, 3, 1);
    m_bestChannel = label(this, "lblBestChannelNumb", tr("Undefined"));
    m_bestChannel->setMinimumWidth(100);
    grid->addWidget(m_bestChannel, 3, 2);
    m_chooseBest = new QPushButton(tr("Choose the best channel"), this);
    m_chooseBest->setObjectName(QStringLiteral("pbChooseBestChannel"));
    m_chooseBest->setMinimumWidth(200);
    grid->addWidget(m_chooseBest, 3, 3);

    m_manualSelect = new QRadioButton(tr("Manual installation channel"), this);
    m_manualSelect->setObjectName(QStringLiteral("rbManualSelect"));
    grid->addWidget(m_manualSelect, 4, 0);
    m_channel = new QComboBox(this);
    m_channel->setObjectName(QStringLiteral("cbWirelessChannel"));
    grid->addWidget(m_channel, 4, 3);

    grid->addWidget(label(this, "lblInterval", tr("Sensor loss detection time (minutes)")), 5, 0);
    m_interval = new QComboBox(this);
    m_interval->setObjectName(QStringLiteral("cbInterval"));
    for (const char *item : IntervalItems)
        m_interval->addItem(QLatin1String(item), intervalSeconds(QLatin1String(item)));
    grid->addWidget(m_interval, 5, 3);

    grid->addWidget(label(this, "lblConfigTime", tr("Config time")), 6, 0);
    m_configTime = new SpinBoxWithValidator(this);
    m_configTime->setObjectName(QStringLiteral("sbConfigTime"));
    m_configTime->setRange(60, 900);
    m_configTime->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("^([6-9]\\d|[0-8]\\d\\d|900)$")), m_configTime));
    grid->addWidget(m_configTime, 6, 3);
    setFocusWidget(m_configTime);

    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Fixed), 7, 0);
    grid->addWidget(label(this, "lblConfigTime_2", tr("Radio channel load analysis")), 8, 0);
    m_launch = new QPushButton(tr("Launch"), this);
    m_launch->setObjectName(QStringLiteral("pbLaunchLoadAnalysis"));
    m_launch->setMinimumWidth(200);
    grid->addWidget(m_launch, 8, 3);
    grid->addItem(new QSpacerItem(20, 20, QSizePolicy::Minimum, QSizePolicy::Fixed), 9, 0);

    auto *buttons = new QHBoxLayout();
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumSize(150, 30);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumSize(150, 30);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 10, 0, 1, 5);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 11, 0);

    setTabOrder(m_bestSelect, m_chooseBest);
    setTabOrder(m_chooseBest, m_manualSelect);
    setTabOrder(m_manualSelect, m_channel);
    setTabOrder(m_channel, m_interval);
    setTabOrder(m_interval, m_save);
    setTabOrder(m_save, m_reset);

    m_movie = new QMovie(QStringLiteral(":/images/wait.gif"), QByteArray(), this);
    m_movie->setScaledSize(QSize(20, 20));
}

void WirelessSettingsWidget::setupHints()
{
    auto *grid = static_cast<QGridLayout *>(layout());
    const struct
    {
        const char *name;
        int row;
        QString heading;
        QString body;
    } hints[] = {
        {"lblChannelsGroupHint", 1, QStringLiteral("Номер группы каналов"),
         QStringLiteral("Прибор поддерживает несколько групп каналов и переключается между "
                        "каналами выбранной группы. Меняйте группу, если на всех каналах группы "
                        "связь с радиоустройствами неустойчива.")},
        {"lblAutoSelectHint", 2, QStringLiteral("Автоматическая смена канала"),
         QStringLiteral("При одновременной потере многих датчиков прибор сам сменит канал в "
                        "пределах выбранной группы.")},
        {"lblChooseBestChannelHint", 3, QStringLiteral("Определить лучший радиоканал"),
         QStringLiteral("Прибор просканирует все каналы и выберет лучший. Это занимает до десяти "
                        "минут, в течение которых радиоустройства не работают.")},
        {"lblWirelessChannelHint", 4, QStringLiteral("Номер радиоканала"),
         QStringLiteral("Ручной выбор канала. Нескольким приборам, расположенным рядом, следует "
                        "назначить разные каналы.")},
        {"lblIntervalHint", 5, QStringLiteral("Время обнаружения потери датчиков (минут)"),
         QStringLiteral("Время, за которое радиоустройство должно выйти на связь, чтобы не "
                        "считаться потерянным. В обычной работе устройства выходят на связь втрое "
                        "чаще. Тревоги передаются сразу, независимо от этой настройки.")},
        {"lblConfigTimeHint", 6, QStringLiteral("Время разрешения подключения радиоустройств."),
         QStringLiteral("Диапазон от 60 до 900 секунд. По истечении этого времени прибор сам "
                        "выходит из режима подключения.")},
    };
    for (const auto &hint : hints)
        grid->addWidget(
            makeHintLabel(this, QLatin1String(hint.name), hintText(hint.heading, hint.body)),
            hint.row, 4);
}

void WirelessSettingsWidget::setAccessibleNames()
{
    for (QWidget *child : findChildren<QWidget *>())
        if (!child->objectName().isEmpty())
            child->setAccessibleName(QStringLiteral("radioSettings") + child->objectName().mid(2));
}

void WirelessSettingsWidget::setSettings(WirelessSettings *settings)
{
    if (m_settings) {
        disconnect(m_settings, nullptr, this, nullptr);
        disconnect(m_reset, nullptr, m_settings, nullptr);
        if (Overmind *controller = overmind())
            disconnect(controller, nullptr, m_settings, nullptr);
    }
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &WirelessSettings::settingsUpdated, this,
            &WirelessSettingsWidget::settingsUpdated);
    connect(settings, &WirelessSettings::useBestChannelOn, this,
            &WirelessSettingsWidget::onUseBestChannelOn);
    connect(settings, &WirelessSettings::statusUpdated, this,
            &WirelessSettingsWidget::onStatusUpdated);
    if (Overmind *controller = overmind())
        connect(controller, &Overmind::takeDelayUpdated, settings,
                &WirelessSettings::takeDelayUpdated);
    connect(m_reset, &QPushButton::clicked, settings, &WirelessSettings::resetToDefaults);
}

WirelessSettings *WirelessSettingsWidget::settings() const
{
    return m_settings;
}

QString WirelessSettingsWidget::intervalText(int seconds)
{
    QString text = QString::number(seconds * 3 / 60.0, 'f', 1);
    if (text.endsWith(QLatin1Char('0')))
        text.chop(2);
    return text;
}

int WirelessSettingsWidget::intervalSeconds(const QString &text)
{
    return int(text.toDouble() * 60 / 3);
}

bool WirelessSettingsWidget::isChannelInList(int channel) const
{
    if (channel == WirelessSettings::NoBestChannel)
        return false;
    return m_channel->findText(QString::number(channel + 1),
                               Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
}

void WirelessSettingsWidget::followChannelMode()
{
    m_channel->setEnabled(m_manualSelect->isChecked());
}

void WirelessSettingsWidget::updateWidget()
{
    settingsUpdated();
}

void WirelessSettingsWidget::settingsUpdated()
{
    if (!m_settings)
        return;
    WirelessSettings &object = *m_settings;
    if (m_scanTimer.isActive())
        qDebug() << "The search for the best radio channel is over. The best radio channel is"
                 << object.bestChannel() + 1;
    else {
        {
            // Showing the stored group is no user's choice: nothing to ask.
            const QSignalBlocker blocker(m_group);
            UnshownValues::showIndex(m_group, object.channelGroup(),
                                     QString::number(object.channelGroup() + 1));
        }
        showStoredChannel();
        m_configTime->setValue(object.configEnableTime());
        UnshownValues::showData(m_interval, object.connectionInterval(),
                                intervalText(object.connectionInterval()));
        m_autoSelect->setChecked(object.autoSwitch());
        if (object.useBestChannel()) {
            m_bestSelect->setChecked(true);
            if (isChannelInList(object.bestChannel()) &&
                object.bestChannel() != object.currentChannel())
                saveSettings();
        } else {
            m_manualSelect->setChecked(true);
        }
        m_autoSelect->setEnabled(object.useBestChannel());
    }
    m_bestChannelTitle->setText(tr("Best channel :"));
    m_bestChannel->setText(isChannelInList(object.bestChannel())
                               ? QString::number(object.bestChannel() + 1)
                               : tr("Undefined"));
    m_scanTimer.stop();
    m_movie->stop();
    m_chooseBest->setEnabled(true);
    followChannelMode();
    if (Overmind *controller = overmind()) {
        controller->storeMinimumTakeDelay(object.connectionInterval());
        controller->setRadioState(RadioReady);
    }
}

void WirelessSettingsWidget::onStatusUpdated()
{
    if (m_settings)
        m_currentChannel->setText(QString::number(m_settings->currentChannel() + 1));
}

void WirelessSettingsWidget::connected()
{
    setEnabled(true);
    const bool writable = mayWrite();
    for (QPushButton *button : {m_save, m_reset, m_launch, m_chooseBest})
        button->setEnabled(writable);
}

void WirelessSettingsWidget::disconnected()
{
    m_channel->clear();
    setEnabled(false);
}

void WirelessSettingsWidget::channelGroupChange(int group)
{
    m_channel->clear();
    for (int channel : WirelessSettings::groupChannels(group))
        m_channel->addItem(QString::number(channel + 1), channel);
}

void WirelessSettingsWidget::showStoredChannel()
{
    channelGroupChange(m_settings->channelGroup());
    UnshownValues::showData(m_channel, m_settings->channel(),
                            QString::number(m_settings->channel() + 1));
}

void WirelessSettingsWidget::onChannelGroupChanged(int /*index*/)
{
    const int group = int(UnshownValues::pickedIndex(m_group));
    if (m_channel->count() == 0 || !m_settings) {
        channelGroupChange(group);
        return;
    }
    if (m_settings->channelGroup() == group) {
        showStoredChannel();
        return;
    }
    askGroupChange(group);
}

void WirelessSettingsWidget::askGroupChange(int index)
{
    auto *question = new ChangeChannelGroup();
    connect(question, &ChangeChannelGroup::btnClicked, this, [this, index](int code) {
        if (code == ChangeChannelGroup::Yes) {
            channelGroupChange(index);
        } else if (m_settings) {
            const QSignalBlocker blocker(m_group);
            UnshownValues::showIndex(m_group, m_settings->channelGroup(),
                                     QString::number(m_settings->channelGroup() + 1));
        }
    });
    question->show();
}

bool WirelessSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    WirelessSettings &object = *m_settings;
    return UnshownValues::pickedIndex(m_group) != object.channelGroup() ||
           UnshownValues::pickedData(m_channel) != object.channel() ||
           m_configTime->value() != object.configEnableTime() ||
           UnshownValues::pickedData(m_interval) != object.connectionInterval() ||
           m_autoSelect->isChecked() != object.autoSwitch() ||
           int(m_bestSelect->isChecked()) != object.useBestChannel();
}

void WirelessSettingsWidget::saveSettings()
{
    if (!m_settings || m_group->currentIndex() < 0)
        return;
    WirelessSettings &object = *m_settings;
    object.setChannelGroup(quint8(UnshownValues::pickedIndex(m_group)));
    if (m_channel->currentIndex() >= 0)
        object.setChannel(quint8(UnshownValues::pickedData(m_channel)));
    object.setConfigEnableTime(quint16(m_configTime->value()));
    const int interval = int(UnshownValues::pickedData(m_interval));
    object.setConnectionInterval(quint16(interval));
    object.setUseBestChannel(m_bestSelect->isChecked());
    object.setAutoSwitch(m_autoSelect->isChecked());
    object.store();
    if (m_bestSelect->isChecked() && m_chooseBest->isEnabledTo(this) &&
        !isChannelInList(object.bestChannel()))
        QTimer::singleShot(1000, this, &WirelessSettingsWidget::findBestChannel);
    Overmind *controller = overmind();
    if (!controller)
        return;
    controller->storeMinimumTakeDelay(quint16(interval));
    if (!controller->hasEnergySavingSensors())
        return;
    if (interval > controller->takeDelay()) {
        controller->setTakeDelay(quint16(interval));
        MessageBoxU::information(tr("Take delay less than work interval. For correct device work "
                                    "take delay will be updated"),
                                 tr("Wireless settings saving"));
    }
    controller->setMinimumTakeDelay();
}

void WirelessSettingsWidget::findBestChannel()
{
    if (!m_settings)
        return;
    qDebug() << "The search for the best radio channel has started";
    m_settings->setBestChannel(WirelessSettings::NoBestChannel);
    if (Protocol *link = m_settings->protocol())
        link->sendToDevice(_MenuConfigBestChannelSearch);
    m_bestChannel->clear();
    m_bestChannel->setMovie(m_movie);
    m_bestChannelTitle->setText(tr("Channel Scan :"));
    m_movie->start();
    m_scanTimer.start();
    m_chooseBest->setEnabled(false);
}

void WirelessSettingsWidget::onScanTimeout()
{
    m_scanTimer.stop();
    m_movie->stop();
    m_bestChannelTitle->setText(tr("Best channel :"));
    m_bestChannel->setText(tr("Undefined"));
    m_chooseBest->setEnabled(true);
}

void WirelessSettingsWidget::offBestChannel()
{
    if (!m_settings)
        return;
    m_settings->setBestChannel(WirelessSettings::NoBestChannel);
    m_settings->setUseBestChannel(false);
    m_settings->store();
}

void WirelessSettingsWidget::onUseBestChannelOn()
{
    const QString title = tr("Radio mode");
    const QString text = tr("The 'Use best radio channel' mode is selected. For correct operation "
                            "it is necessary to perform a channel scan.");
    const QString question = tr("Should I start scanning now or change the mode to manual?");
    const QString startScan = tr("Start scan");
    const QString changeMode = tr("Change mode");
    int answer = -1;
    if (ModalAnswerer::isActive()) {
        ModalAnswerer::Request request;
        request.kind = QStringLiteral("question");
        request.title = title;
        request.text = text + QLatin1Char('\n') + question;
        request.buttons = QStringList{startScan, changeMode};
        answer = ModalAnswerer::answer(request);
    } else {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, this);
        box.setInformativeText(question);
        QPushButton *scan = box.addButton(startScan, QMessageBox::ActionRole);
        QPushButton *change = box.addButton(changeMode, QMessageBox::ActionRole);
        scan->setMinimumWidth(250);
        change->setMinimumWidth(250);
        box.exec();
        answer = box.clickedButton() == scan ? 0 : (box.clickedButton() == change ? 1 : -1);
    }
    if (answer == 0)
        findBestChannel();
    else if (answer == 1)
        offBestChannel();
}

void WirelessSettingsWidget::launchLoadAnalysis()
{
    auto *window = new ChannelLoadAnalysis();
    window->show();
}
