#include "pages/radio/SensorDraskSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QSpacerItem>

namespace {
constexpr int TestByte = 0;
constexpr int FarZoneByte = 1;
constexpr int NearZoneByte = 2;
constexpr int FarLevelByte = 3;
constexpr int NearLevelByte = 4;
constexpr int PowerSaveByte = 5;
constexpr int LevelCount = 4;
} // namespace

SensorDraskSettingsWidget::SensorDraskSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("draskWidget"));
    resize(382, 156);
    setWindowTitle(tr("Form"));
    auto *grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    const auto check = [this](const char *name, const QString &text) {
        auto *box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    const auto levels = [this](const char *name) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(name));
        combo->addItems({tr("Max"), tr("High"), tr("Low"), tr("Min")});
        combo->setEnabled(false);
        return combo;
    };
    cbNearZone = check("cbNearZone", tr("Near zone"));
    cbNearSensitivity = levels("cbNearSensitivity");
    cbFarZone = check("cbFarZone", tr("Far zone"));
    cbFarSensitivity = levels("cbFarSensitivity");
    cbPowersave = check("cbPowersave", tr("Powersave mode"));
    cbTest = check("cbTest", tr("Test mode"));
    grid->addWidget(cbNearZone, 0, 0);
    grid->addWidget(cbNearSensitivity, 0, 1);
    grid->addWidget(cbFarZone, 1, 0);
    grid->addWidget(cbFarSensitivity, 1, 1);
    grid->addWidget(cbPowersave, 2, 0, 1, 2);
    grid->addWidget(cbTest, 3, 0, 1, 2);
    grid->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 4, 0);
    connect(cbNearZone, &QCheckBox::toggled, this, [this](bool on) {
        cbNearSensitivity->setEnabled(on);
        if (!on)
            cbFarZone->setChecked(true);
    });
    connect(cbFarZone, &QCheckBox::toggled, this, [this](bool on) {
        cbFarSensitivity->setEnabled(on);
        if (!on)
            cbNearZone->setChecked(true);
    });
    m_unshown.watch(this, cbNearSensitivity);
    m_unshown.watch(this, cbFarSensitivity);
    for (QCheckBox *box : {cbNearZone, cbFarZone, cbTest})
        m_unshown.watch(this, box);
}

void SensorDraskSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    const auto level = [this](QComboBox *combo, quint8 stored) {
        const bool shown = stored >= 1 && stored <= LevelCount;
        combo->setCurrentIndex(shown ? stored - 1 : -1);
        if (!shown)
            m_unshown.keep(combo, stored);
    };
    // The boxes are set before anything is kept: each toggle forgets its box's kept byte.
    cbNearZone->setChecked(area.raw[NearZoneByte] != 0);
    cbFarZone->setChecked(area.raw[FarZoneByte] != 0);
    cbTest->setChecked(area.raw[TestByte] != 0);
    cbPowersave->setChecked(area.raw[PowerSaveByte] & 0x01);
    m_unshown.clear();
    level(cbNearSensitivity, area.raw[NearLevelByte]);
    level(cbFarSensitivity, area.raw[FarLevelByte]);
    m_unshown.keep(cbNearZone, area.raw[NearZoneByte]);
    m_unshown.keep(cbFarZone, area.raw[FarZoneByte]);
    m_unshown.keep(cbTest, area.raw[TestByte]);
    // One zone stays on: a record with both off is shown with the near zone on, which the
    // next save writes; loading alone changes nothing.
    if (area.raw[FarZoneByte] == 0 && area.raw[NearZoneByte] == 0) {
        cbNearZone->setChecked(true);
        m_unshown.forget(cbNearZone);
    }
    cbNearSensitivity->setEnabled(cbNearZone->isChecked());
    cbFarSensitivity->setEnabled(cbFarZone->isChecked());
}

void SensorDraskSettingsWidget::saveSettings()
{
    if (!device)
        return;
    u_RFDevPrivateSettings area = device->privateSettings();
    const auto flag = [this](QCheckBox *box) {
        return quint8(m_unshown.value(box, box->isChecked() ? 1 : 0));
    };
    area.raw[TestByte] = flag(cbTest);
    area.raw[FarZoneByte] = flag(cbFarZone);
    area.raw[NearZoneByte] = flag(cbNearZone);
    area.raw[FarLevelByte] =
        quint8(m_unshown.value(cbFarSensitivity, quint32(cbFarSensitivity->currentIndex() + 1)));
    area.raw[NearLevelByte] =
        quint8(m_unshown.value(cbNearSensitivity, quint32(cbNearSensitivity->currentIndex() + 1)));
    area.raw[PowerSaveByte] =
        quint8((area.raw[PowerSaveByte] & ~0x01) | (cbPowersave->isChecked() ? 0x01 : 0x00));
    device->setPrivateSettings(area);
}
