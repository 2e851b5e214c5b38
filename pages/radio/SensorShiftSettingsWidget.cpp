#include "pages/radio/SensorShiftSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include "app/Overmind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

namespace {
constexpr int FlagsByte = 0;
constexpr int TiltByte = 2;
constexpr int AccelByte = 3;
constexpr int DryReedType = 16;

enum Flag
{
    EnableAccel = 0x01,
    EnableTilt = 0x02,
    EnableFix = 0x04,
    EnergySave = 0x08,
    FixateCurrentState = 0x10,
    EnableDryReed = 0x20
};

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}
} // namespace

SensorShiftSettingsWidget::SensorShiftSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("shiftSettings"));
    buildForm();
    connect(pbFixNow, &QPushButton::clicked, this, &SensorShiftSettingsWidget::fixNow);
    connect(cbEnableAccel, &QCheckBox::toggled, cbAccelSensitivity, &QWidget::setEnabled);
    connect(cbEnableTilt, &QCheckBox::toggled, cbTiltSensitivity, &QWidget::setEnabled);
    m_unshown.watch(this, cbAccelSensitivity);
    m_unshown.watch(this, cbTiltSensitivity);
}

void SensorShiftSettingsWidget::buildForm()
{
    resize(369, 262);
    setWindowTitle(tr("Form"));
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    const auto check = [this](const char *name, const QString &text) {
        auto *box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    cbEnableAccel = check("cbEnableAccel", tr("Acceleration control"));
    cbEnableTilt = check("cbEnableTilt", tr("Tilt control"));
    cbEnableFix = check("cbEnableFix", tr("Fix position on arm"));
    cbEnergySavingMode = check("cbEnergySavingMode", tr("Energy saving mode"));
    cbEnableDryReed = check("cbEnableDryReed", tr("Dry reed control"));
    cbAccelSensitivity = new QComboBox(this);
    cbAccelSensitivity->setObjectName(QStringLiteral("cbAccelSensitivity"));
    cbAccelSensitivity->addItems({tr("8 Very high"), "7", "6", "5", "4", "3", "2", tr("1 Low")});
    cbTiltSensitivity = new QComboBox(this);
    cbTiltSensitivity->setObjectName(QStringLiteral("cbTiltSensitivity"));
    cbTiltSensitivity->addItems({"3°", "5°", "10°", "15°", "20°", "25°", "30°", "45°"});
    pbFixNow = new QPushButton(tr("Fix now"), this);
    pbFixNow->setObjectName(QStringLiteral("pbFixNow"));
    grid->addWidget(cbEnableAccel, 0, 0);
    grid->addWidget(cbAccelSensitivity, 0, 1);
    grid->addWidget(cbEnableTilt, 1, 0);
    grid->addWidget(cbTiltSensitivity, 1, 1);
    grid->addWidget(cbEnableFix, 2, 0);
    grid->addWidget(pbFixNow, 2, 1);
    grid->addWidget(cbEnergySavingMode, 3, 0);
    grid->addWidget(cbEnableDryReed, 4, 0);
    setTabOrder(cbEnableAccel, cbAccelSensitivity);
    setTabOrder(cbAccelSensitivity, cbEnableTilt);
    setTabOrder(cbEnableTilt, cbTiltSensitivity);
    setTabOrder(cbTiltSensitivity, cbEnableFix);
    setTabOrder(cbEnableFix, pbFixNow);
    setTabOrder(pbFixNow, cbEnergySavingMode);
    setTabOrder(cbEnergySavingMode, cbEnableDryReed);
}

void SensorShiftSettingsWidget::updateWidget()
{
    if (!device)
        return;
    // A file being viewed has no device to send the request to.
    pbFixNow->setEnabled(device->isInTouch() && !isViewingMode());
    cbEnableDryReed->setVisible(device->type() == DryReedType);
    u_RFDevPrivateSettings area = device->privateSettings();
    if (area.raw[FlagsByte] & FixateCurrentState) {
        // The device answers a fix request with the record as sent; the request stays one-shot.
        area.raw[FlagsByte] &= quint8(~FixateCurrentState);
        device->setPrivateSettings(area);
    }
    const quint8 flags = area.raw[FlagsByte];
    cbEnableAccel->setChecked(flags & EnableAccel);
    cbEnableTilt->setChecked(flags & EnableTilt);
    cbEnableFix->setChecked(flags & EnableFix);
    cbEnergySavingMode->setChecked(flags & EnergySave);
    cbEnableDryReed->setChecked(flags & EnableDryReed);
    m_unshown.clear();
    for (auto [combo, offset] : {std::pair<QComboBox *, int>{cbAccelSensitivity, AccelByte},
                                 std::pair<QComboBox *, int>{cbTiltSensitivity, TiltByte}}) {
        const quint8 stored = area.raw[offset];
        combo->setCurrentIndex(stored < combo->count() ? stored : -1);
        if (stored >= combo->count())
            m_unshown.keep(combo, stored);
    }
    cbAccelSensitivity->setEnabled(flags & EnableAccel);
    cbTiltSensitivity->setEnabled(flags & EnableTilt);
}

u_RFDevPrivateSettings SensorShiftSettingsWidget::fromControls() const
{
    // Bytes and flags the panel does not show keep their stored values.
    u_RFDevPrivateSettings area = device ? device->privateSettings() : PrivateBytes::zeros();
    quint8 flags = area.raw[FlagsByte] & quint8(~(EnableAccel | EnableTilt | EnableFix |
                                                  EnergySave | FixateCurrentState | EnableDryReed));
    flags |= cbEnableAccel->isChecked() ? EnableAccel : 0;
    flags |= cbEnableTilt->isChecked() ? EnableTilt : 0;
    flags |= cbEnableFix->isChecked() ? EnableFix : 0;
    flags |= cbEnergySavingMode->isChecked() ? EnergySave : 0;
    flags |= cbEnableDryReed->isChecked() ? EnableDryReed : 0;
    area.raw[FlagsByte] = flags;
    area.raw[TiltByte] =
        quint8(m_unshown.value(cbTiltSensitivity, quint32(cbTiltSensitivity->currentIndex())));
    area.raw[AccelByte] =
        quint8(m_unshown.value(cbAccelSensitivity, quint32(cbAccelSensitivity->currentIndex())));
    return area;
}

void SensorShiftSettingsWidget::saveSettings()
{
    if (!device)
        return;
    u_RFDevPrivateSettings area = fromControls();
    if ((area.raw[FlagsByte] & EnergySave) && !PrivateBytes::partitionHasTakeDelay(*device) &&
        !device->confirmEnergySaving())
        area.raw[FlagsByte] &= quint8(~EnergySave);
    device->setPrivateSettings(area);
}

void SensorShiftSettingsWidget::fixNow()
{
    if (!device || isViewingMode())
        return;
    u_RFDevPrivateSettings area = fromControls();
    area.raw[FlagsByte] |= FixateCurrentState;
    device->setPrivateSettings(area);
    device->writeToDevice();
    // The request is one-shot: no later write or saved file may repeat it.
    area.raw[FlagsByte] &= quint8(~FixateCurrentState);
    device->setPrivateSettings(area);
}
