#include "pages/radio/SensorKeychainSettingsWidget.h"

#include "app/DeviceInfo.h"
#include "app/Overmind.h"
#include "pages/users/UserModel.h"

#include <QComboBox>
#include <QFormLayout>

namespace {
constexpr int UserIdByte = 7;
} // namespace

SensorKeychainSettingsWidget::SensorKeychainSettingsWidget(QWidget *parent)
    : SensorPrivateSettingsWidget(parent), m_user(new QComboBox(this))
{
    setObjectName(QStringLiteral("keychainSettings"));
    m_user->setObjectName(QStringLiteral("cbUser"));
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(tr("User"), m_user);
}

bool SensorKeychainSettingsWidget::isUserSelected() const
{
    return m_user->currentIndex() != -1;
}

void SensorKeychainSettingsWidget::updateWidget()
{
    m_user->clear();
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (!device || !users)
        return;
    for (int id = 0; id < overmind->deviceInfo().maxUsers(); ++id)
        if (UserSettings *user = users->userById(quint8(id)))
            m_user->addItem(user->jsonKey(), id);
    m_user->setCurrentIndex(-1);
    const quint8 owner = device->privateSettings().raw[UserIdByte];
    if (UserSettings *user = users->userById(owner))
        m_user->setCurrentIndex(m_user->findText(user->jsonKey(), Qt::MatchExactly));
}

void SensorKeychainSettingsWidget::saveSettings()
{
    if (!device || !isUserSelected())
        return;
    // Only the owner is edited here; the fob's other settings are kept.
    u_RFDevPrivateSettings settings = device->privateSettings();
    settings.raw[UserIdByte] = quint8(m_user->currentData().toInt());
    device->setPrivateSettings(settings);
}
