#include "pages/radio/SensorSettingsWidget.h"

#include "app/ContentAwareLineEdit.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/radio/NamePattern.h"
#include "pages/radio/SensorASRSettingsWidget.h"
#include "pages/radio/SensorDipSettingsWidget.h"
#include "pages/radio/SensorDraskSettingsWidget.h"
#include "pages/radio/SensorFlarexSettingsWidget.h"
#include "pages/radio/SensorIkSettingsWidget.h"
#include "pages/radio/SensorIpSettingsWidget.h"
#include "pages/radio/SensorKeychainSettingsWidget.h"
#include "pages/radio/SensorMirelSettingsWidget.h"
#include "pages/radio/SensorRelaySettingsWidget.h"
#include "pages/radio/SensorSMKSettingsWidget.h"
#include "pages/radio/SensorShiftSettingsWidget.h"
#include "pages/radio/SensorVTISettingsWidget.h"
#include "radio/DeviceTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>

namespace {
constexpr int NameLength = 63;
constexpr int FormWidth = 380;
constexpr int FormHeight = 410;
constexpr int ButtonWidth = 120;
constexpr int KeepZoneInputMode = 3;

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

bool isOneOf(int value, std::initializer_list<int> values)
{
    for (int candidate : values)
        if (candidate == value)
            return true;
    return false;
}

} // namespace

SensorSettingsWidget::SensorSettingsWidget(QWidget *parent) : QWidget(parent)
{
    setWindowFlags(windowFlags() | Qt::Window);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    buildForm();
    zoneNames = QStringList{QString(),   QString(),  tr("Security"), tr("Alarm"),
                            tr("Enter"), tr("Fire"), tr("Leak")};
    leName->setValidator(new QRegularExpressionValidator(QRegularExpression(NamePattern), leName));
    leName->setChecker(
        [this](const QString &text) { return Overmind::limitUtf8Length(text, leName); });
    hidePanels();
    if (isViewingMode())
        pbSave->setEnabled(false);
    else
        connect(pbSave, &QPushButton::clicked, this, &SensorSettingsWidget::saveSettings);
    connect(pbClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cbZoneType, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SensorSettingsWidget::onChangeZone);
}

SensorSettingsWidget::~SensorSettingsWidget() = default;

void SensorSettingsWidget::buildForm()
{
    setObjectName(QStringLiteral("SensorSettingsWidget"));
    resize(FormWidth, FormHeight);
    setMinimumSize(FormWidth, FormHeight);
    setWindowTitle(tr("Form"));
    auto *grid = new QGridLayout(this);
    lblSensorType = new QLabel(tr("Tarvo-T04"), this);
    lblSensorType->setObjectName(QStringLiteral("lblSensorType"));
    cbEnabled = new QCheckBox(tr("Enabled"), this);
    cbEnabled->setObjectName(QStringLiteral("cbEnabled"));
    lblName = new QLabel(tr("Name:"), this);
    lblName->setObjectName(QStringLiteral("lblName"));
    leName = new ContentAwareLineEdit(this);
    leName->setObjectName(QStringLiteral("leName"));
    leName->setMaxLength(NameLength);
    lblLedMode = new QLabel(tr("Led mode:"), this);
    lblLedMode->setObjectName(QStringLiteral("lblLedMode"));
    cbLedMode = new QComboBox(this);
    cbLedMode->setObjectName(QStringLiteral("cbLedMode"));
    cbLedMode->addItems({tr("Auto"), tr("Always on"), tr("Always off")});
    lblZoneType = new QLabel(tr("Zone type"), this);
    lblZoneType->setObjectName(QStringLiteral("lblZoneType"));
    cbZoneType = new QComboBox(this);
    cbZoneType->setObjectName(QStringLiteral("cbZoneType"));
    cbZoneType->addItems({tr("Security"), tr("Alarm"), tr("Enter"), tr("Fire")});
    cbBellMode = new QCheckBox(tr("Bell mode"), this);
    cbBellMode->setObjectName(QStringLiteral("cbBellMode"));
    extraSettings = new QWidget(this);
    extraSettings->setObjectName(QStringLiteral("extraSettings"));
    vboxLayout = new QVBoxLayout(extraSettings);
    vboxLayout->setObjectName(QStringLiteral("vboxLayout"));
    vboxLayout->setContentsMargins(0, 0, 0, 0);
    const QList<SensorPrivateSettingsWidget *> panels = {
        new SensorRelaySettingsWidget(extraSettings),
        new SensorKeychainSettingsWidget(extraSettings),
        new SensorASRSettingsWidget(extraSettings),
        new SensorIkSettingsWidget(extraSettings),
        new SensorShiftSettingsWidget(extraSettings),
        new SensorDipSettingsWidget(extraSettings),
        new SensorIpSettingsWidget(extraSettings),
        new SensorVTISettingsWidget(extraSettings),
        new SensorDraskSettingsWidget(extraSettings),
        new SensorMirelSettingsWidget(extraSettings),
        new SensorFlarexSettingsWidget(extraSettings),
        new SensorSMKSettingsWidget(extraSettings),
    };
    for (SensorPrivateSettingsWidget *panel : panels)
        vboxLayout->addWidget(panel);
    pbSave = new QPushButton(tr("Save"), this);
    pbSave->setObjectName(QStringLiteral("pbSave"));
    pbSave->setMinimumWidth(ButtonWidth);
    pbClose = new QPushButton(tr("Close"), this);
    pbClose->setObjectName(QStringLiteral("pbClose"));
    pbClose->setMinimumWidth(ButtonWidth);
    auto *buttons = new QHBoxLayout();
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    buttons->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    buttons->addWidget(pbSave);
    buttons->addWidget(pbClose);

    grid->addWidget(lblSensorType, 0, 0);
    grid->addWidget(cbEnabled, 0, 1);
    grid->addWidget(lblName, 1, 0);
    grid->addWidget(leName, 1, 1);
    grid->addWidget(lblLedMode, 2, 0);
    grid->addWidget(cbLedMode, 2, 1);
    grid->addWidget(lblZoneType, 3, 0);
    grid->addWidget(cbZoneType, 3, 1);
    grid->addWidget(cbBellMode, 4, 0, 1, 2);
    grid->addWidget(extraSettings, 5, 0, 1, 2);
    grid->addLayout(buttons, 6, 0, 1, 2);
    lblName->setBuddy(leName);
    lblLedMode->setBuddy(cbLedMode);
    lblZoneType->setBuddy(cbZoneType);
    lblSensorType->setBuddy(cbEnabled);
    setTabOrder(cbEnabled, leName);
    setTabOrder(leName, cbLedMode);
    setTabOrder(cbLedMode, cbZoneType);
    setTabOrder(cbZoneType, cbBellMode);
}

void SensorSettingsWidget::hidePanels()
{
    for (SensorPrivateSettingsWidget *panel :
         extraSettings->findChildren<SensorPrivateSettingsWidget *>())
        panel->hide();
}

SensorPrivateSettingsWidget *SensorSettingsWidget::panelFor(int type) const
{
    const char *name = nullptr;
    if (isOneOf(type, {7, 14, 15, 20, 23, 49, 50, 57, 69}))
        name = "relaySettings";
    else if (type == 11)
        name = "keychainSettings";
    else if (type == 13)
        name = "asrSettings";
    else if (isOneOf(type, {6, 18, 26}))
        name = "ikSettings";
    else if (isOneOf(type, {16, 24}))
        name = "shiftSettings";
    else if (type == 5)
        name = "DipSettings";
    else if (type == 2)
        name = "ipSettings";
    else if (isOneOf(type, {10, 31}))
        name = "vtiSettings";
    else if (isOneOf(type, {27, 28}))
        name = "draskWidget";
    else if (type == 33)
        name = "mirelSettings";
    else if (isOneOf(type, {21, 22}))
        name = "flarexSettings";
    else if (type == 4)
        name = "smkSettings";
    if (!name)
        return nullptr;
    return extraSettings->findChild<SensorPrivateSettingsWidget *>(QLatin1String(name),
                                                                   Qt::FindDirectChildrenOnly);
}

SensorRelaySettingsWidget *SensorSettingsWidget::relayPanel() const
{
    return extraSettings->findChild<SensorRelaySettingsWidget *>(QString(),
                                                                 Qt::FindDirectChildrenOnly);
}

void SensorSettingsWidget::setSensor(Sensor::SPtr sensor)
{
    hidePanels();
    setEnabled(true);
    if (device)
        disconnect(device.get(), &Sensor::dataUpdated, this,
                   &SensorSettingsWidget::onSensorDataUpdated);
    device = std::move(sensor);
    currentPanel = nullptr;
    if (!device)
        return;
    loadCommonSettings();
    const int type = device->type();
    currentPanel = panelFor(type);
    if (currentPanel) {
        currentPanel->setSensor(device);
        currentPanel->updateWidget();
        currentPanel->show();
        connect(device.get(), &Sensor::dataUpdated, this,
                &SensorSettingsWidget::onSensorDataUpdated);
    }
    shapeRelayPanel(type);
    adjustSize();
}

void SensorSettingsWidget::shapeRelayPanel(int type)
{
    SensorRelaySettingsWidget *relay = relayPanel();
    if (type == 7) {
        relay->setOutputCaptions(tr("Light"), tr("Sound"));
        relay->setVolumeVisible(0, false);
        relay->setVolumeVisible(1, true);
    } else if (isOneOf(type, {14, 15, 23})) {
        relay->setOutputCaptions(tr("Out 1"), tr("Out 2"));
        relay->setVolumeVisible(0, false);
        relay->setVolumeVisible(1, false);
        relay->addTempMode(0);
        relay->addTempMode(1);
        relay->addTempHumidityModes(0);
        relay->addTempHumidityModes(1);
        relay->addTempHumidityCOModes(0);
        relay->addTempHumidityCOModes(1);
    } else if (isOneOf(type, {20, 49, 50, 69})) {
        relay->setOutputCaptions(tr("Display"), tr("None"));
        relay->setVolumeVisible(0, false);
        relay->removeSecondOutput(1);
    } else if (type == 57) {
        relay->setOutputCaptions(tr("Out"), tr("None"));
        relay->removeSecondOutput(1);
        relay->setVolumeVisible(0, false);
        relay->addTempMode(0);
        relay->addTempHumidityModes(0);
        relay->addTempHumidityCOModes(0);
    }
}

void SensorSettingsWidget::loadCommonSettings()
{
    const int type = device->type();
    cbEnabled->setChecked(device->isEnabled());
    const int ledMode = device->ledMode();
    cbLedMode->setCurrentIndex(ledMode >= 1 && ledMode <= 3 ? ledMode - 1 : -1);
    const QString name = device->jsonKey();
    if (!name.isEmpty())
        leName->setText(name);
    lblSensorType->setText(device->typeName());
    cbZoneType->setEnabled(true);
    for (QWidget *control :
         {static_cast<QWidget *>(cbZoneType), static_cast<QWidget *>(lblZoneType),
          static_cast<QWidget *>(lblLedMode), static_cast<QWidget *>(cbLedMode)})
        control->show();
    cbBellMode->setVisible(isZoneTypeAllowed(type, ZoneEnter) ||
                           isZoneTypeAllowed(type, ZoneSecurity));

    {
        const QSignalBlocker quiet(cbZoneType);
        cbZoneType->clear();
        for (int zone = ZoneSecurity; zone <= ZoneWater; ++zone)
            if (isZoneTypeAllowed(type, zone))
                cbZoneType->addItem(zoneNames.value(zone), zone);
        const int stored = cbZoneType->findData(int(device->zoneType()));
        if (stored >= 0)
            cbZoneType->setCurrentIndex(stored);
    }
    if (cbZoneType->count() == 1)
        cbZoneType->setEnabled(false);
    if (cbZoneType->count() == 0 || isOneOf(type, {13, 19, 56})) {
        cbZoneType->hide();
        lblZoneType->hide();
    }
    if (isOneOf(type, {9, 10, 11, 31, 66})) {
        lblLedMode->hide();
        cbLedMode->hide();
    }
    if (type == 32)
        cbBellMode->hide();
    onChangeZone(cbZoneType->currentIndex());
    extraSettings->setEnabled(true);
}

void SensorSettingsWidget::onChangeZone(int index)
{
    const int zone = index >= 0 ? cbZoneType->itemData(index).toInt() : 0;
    if (zone == ZoneAlarm || zone == ZoneFire || zone == ZoneWater) {
        cbBellMode->setChecked(false);
        cbBellMode->setEnabled(false);
        return;
    }
    cbBellMode->setChecked(device && device->bellEnabled());
    cbBellMode->setEnabled(true);
}

void SensorSettingsWidget::onSensorDataUpdated()
{
    if (currentPanel)
        currentPanel->updateWidget();
}

void SensorSettingsWidget::onOutputTactic(quint16, const s_EventsOutMode &tactic)
{
    relayPanel()->setTactic(tactic);
}

quint16 SensorSettingsWidget::zoneTypeToSave() const
{
    if (!cbZoneType->isHidden())
        return quint16(cbZoneType->currentData().toUInt());
    const int type = device->type();
    if (type == DeviceType::ValveController)
        return ZoneWater;
    if (type == DeviceType::KeyContactModule &&
        device->commonSettings().inputOperatingMode == KeepZoneInputMode)
        return device->zoneType();
    return ZoneNotSensor;
}

void SensorSettingsWidget::saveSettings()
{
    if (!device)
        return;
    auto *keychain = extraSettings->findChild<SensorKeychainSettingsWidget *>(
        QString(), Qt::FindDirectChildrenOnly);
    if (keychain && !keychain->isHidden() && !keychain->isUserSelected()) {
        MessageBoxU::warning(tr("Please select a user from the list"), tr("Settings not saved"));
        return;
    }
    for (SensorPrivateSettingsWidget *panel :
         extraSettings->findChildren<SensorPrivateSettingsWidget *>())
        if (!panel->isHidden())
            panel->saveSettings();
    device->setBellEnabled(!cbBellMode->isHidden() && cbBellMode->isChecked());
    device->setLedMode(quint16(cbLedMode->currentIndex() + 1));
    device->setName(leName->text());
    device->setZoneType(zoneTypeToSave());
    device->setEnabled(cbEnabled->isChecked());
    device->store();
    close();
}

void SensorSettingsWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    event->accept();
}
