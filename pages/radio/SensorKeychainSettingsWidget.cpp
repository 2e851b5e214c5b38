#include "pages/radio/SensorKeychainSettingsWidget.h"

#include "pages/radio/PrivateBytes.h"

#include "app/DeviceInfo.h"
#include "app/Overmind.h"
#include "pages/radio/PartitionSelectionWidget.h"
#include "pages/users/UserModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVersionNumber>

namespace {
constexpr int PartitionsByte = 0;
constexpr int Button1Byte = 4;
constexpr int Button2Byte = 5;
constexpr int LawByte = 6;
constexpr int UserIdByte = 7;
constexpr int SilentAlarmByte = 8;
constexpr int GroupCount = 16;
constexpr quint8 NoGroup = 255;

enum LawBit
{
    TakeOn = 0x01,
    TakeOff = 0x02,
    DisableSiren = 0x04
};
} // namespace

SensorKeychainSettingsWidget::SensorKeychainSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent)
{
    setObjectName(QStringLiteral("keychainSettings"));
    buildForm();
    if (Overmind *overmind = Overmind::instance()) {
        overmind->fillOutputGroupCombo(cbButton1OutputGroup);
        overmind->fillOutputGroupCombo(cbButton2OutputGroup);
    }
    partitions->setLabelText(tr("Controlled partitions"));
    connect(cbTakeOff, &QCheckBox::toggled, this, [this](bool checked) {
        cbDisableSiren->setEnabled(checked);
        if (!checked)
            cbDisableSiren->setChecked(false);
    });
    m_unshown.watch(this, cbSilentAlarmMode);
}

void SensorKeychainSettingsWidget::buildForm()
{
    resize(350, 400);
    setMinimumSize(350, 400);
    setWindowTitle(tr("Form"));
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    partitions = new PartitionSelectionWidget(this);
    partitions->setObjectName(QStringLiteral("partitions"));
    partitions->setMinimumSize(400, 40);
    form->addRow(partitions);
    const auto combo = [this](const char *name) {
        auto *box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        return box;
    };
    const auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    cbUser = combo("cbUser");
    cbSilentAlarmMode = combo("cbSilentAlarmMode");
    cbSilentAlarmMode->addItems({tr("Hold 3 sec, press 1 time"), tr("Hold 3 - 10sec")});
    cbButton1OutputGroup = combo("cbButton1OutputGroup");
    cbButton1OutputGroup->addItem(tr("Off"));
    cbButton2OutputGroup = combo("cbButton2OutputGroup");
    cbButton2OutputGroup->addItem(tr("Off"));
    form->addRow(label("lblUser", tr("User")));
    form->addRow(cbUser);
    form->addRow(label("lblSilentAlarm", tr("Silent alarm (button *) mode:")));
    form->addRow(cbSilentAlarmMode);
    form->addRow(label("lblButton1OutputGroup", tr("Button 1 output group:")));
    form->addRow(cbButton1OutputGroup);
    form->addRow(label("lblButton2OutputGroup", tr("Button 2 output group:")));
    form->addRow(cbButton2OutputGroup);
    cbTakeOff = new QCheckBox(tr("Take off"), this);
    cbTakeOff->setObjectName(QStringLiteral("cbTakeOff"));
    cbTakeOn = new QCheckBox(tr("Take on"), this);
    cbTakeOn->setObjectName(QStringLiteral("cbTakeOn"));
    cbDisableSiren = new QCheckBox(tr("Disable siren"), this);
    cbDisableSiren->setObjectName(QStringLiteral("cbDisableSiren"));
    form->addRow(label("lblAccessLaw", tr("Access law:")), cbTakeOff);
    form->addRow(QString(), cbTakeOn);
    form->addRow(QString(), cbDisableSiren);
    setTabOrder(cbUser, cbSilentAlarmMode);
    setTabOrder(cbSilentAlarmMode, cbButton1OutputGroup);
    setTabOrder(cbButton1OutputGroup, cbButton2OutputGroup);
    setTabOrder(cbButton2OutputGroup, cbTakeOff);
    setTabOrder(cbTakeOff, cbTakeOn);
    setTabOrder(cbTakeOn, cbDisableSiren);
}

bool SensorKeychainSettingsWidget::isUserSelected() const
{
    return cbUser->currentIndex() != -1;
}

void SensorKeychainSettingsWidget::updateWidget()
{
    if (!device)
        return;
    const u_RFDevPrivateSettings area = device->privateSettings();
    const quint8 law = area.raw[LawByte];
    {
        // The rule of "Take off" must not clear a stored "Disable siren" while loading.
        const QSignalBlocker quiet(cbTakeOff);
        cbDisableSiren->setEnabled(law & TakeOff);
        cbDisableSiren->setChecked(law & DisableSiren);
        m_unshown.clear();
        const quint8 silent = area.raw[SilentAlarmByte];
        cbSilentAlarmMode->setCurrentIndex(silent < cbSilentAlarmMode->count() ? silent : -1);
        if (silent >= cbSilentAlarmMode->count())
            m_unshown.keep(cbSilentAlarmMode, silent);
        cbTakeOff->setChecked(law & TakeOff);
        cbTakeOn->setChecked(law & TakeOn);
    }
    partitions->initPartitionList();
    partitions->setPartitionsMask(PrivateBytes::get<quint32>(area, PartitionsByte));
    cbUser->clear();
    const s_SensorIntData status = device->status();
    cbSilentAlarmMode->setEnabled(QVersionNumber(status.firmwareMajor, status.firmwareMinor) >=
                                  QVersionNumber(1, 2));
    const quint8 group1 = area.raw[Button1Byte];
    const quint8 group2 = area.raw[Button2Byte];
    cbButton1OutputGroup->setCurrentIndex(group1 < GroupCount ? group1 + 1 : 0);
    cbButton2OutputGroup->setCurrentIndex(group2 < GroupCount ? group2 + 1 : 0);

    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (users)
        for (int id = 0; id < overmind->deviceInfo().maxUsers(); ++id)
            if (UserSettings *user = users->userById(quint8(id)))
                cbUser->addItem(user->jsonKey(), id);
    // By id: two users may share a display name.
    cbUser->setCurrentIndex(cbUser->findData(int(area.raw[UserIdByte])));
}

void SensorKeychainSettingsWidget::saveSettings()
{
    if (!device)
        return;
    // Bytes and law bits the panel does not show keep their stored values.
    u_RFDevPrivateSettings area = device->privateSettings();
    area.raw[SilentAlarmByte] =
        quint8(m_unshown.value(cbSilentAlarmMode, quint32(cbSilentAlarmMode->currentIndex())));
    area.raw[Button1Byte] = quint8(cbButton1OutputGroup->currentIndex() - 1);
    area.raw[Button2Byte] = quint8(cbButton2OutputGroup->currentIndex() - 1);
    PrivateBytes::put<quint32>(area, PartitionsByte, partitions->partitionsMask());
    quint8 law = area.raw[LawByte] & quint8(~(TakeOn | TakeOff | DisableSiren));
    law |= cbTakeOn->isChecked() ? TakeOn : 0;
    law |= cbTakeOff->isChecked() ? TakeOff : 0;
    law |= cbDisableSiren->isChecked() ? DisableSiren : 0;
    area.raw[LawByte] = law;
    area.raw[UserIdByte] = quint8(cbUser->currentData().toInt());
    device->setPrivateSettings(area);
}
