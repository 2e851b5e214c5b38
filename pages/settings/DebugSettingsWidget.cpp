#include "pages/settings/DebugSettingsWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/comms/HintLabel.h"
#include "pages/settings/DebugSettings.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DebugSettingsWidget::DebugSettingsWidget(QWidget *parent) : BaseSettingsWidget(parent)
{
    setObjectName(QStringLiteral("DebugSettingsWidget"));
    setWindowTitle(tr("Debug settings"));
    resize(800, 200);
    auto *grid = new QGridLayout(this);
    const QString hint =
        hintText(QStringLiteral("Тестовый сервер"), QStringLiteral("Нет подсказки."));
    auto *label = new QLabel(tr("Test server"), this);
    label->setObjectName(QStringLiteral("label"));
    m_testServer = new QCheckBox(this);
    m_testServer->setObjectName(QStringLiteral("cbTestServer"));
    m_testServer->setMinimumWidth(20);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_testServer, 0, 1);
    grid->addWidget(makeHintLabel(this, QStringLiteral("lblTestServer"), hint), 0, 2);
    auto *label2 = new QLabel(tr("MAC address"), this);
    label2->setObjectName(QStringLiteral("label_2"));
    m_mac = new QLineEdit(this);
    m_mac->setObjectName(QStringLiteral("leMacAddress"));
    m_mac->setInputMask(QStringLiteral("HH:HH:HH:HH:HH:HH"));
    grid->addWidget(label2, 1, 0);
    grid->addWidget(m_mac, 1, 1);
    grid->addWidget(makeHintLabel(this, QStringLiteral("lblMacAddress"), hint), 1, 2);
    m_resetMac = new QPushButton(tr("Reset MAC to default"), this);
    m_resetMac->setObjectName(QStringLiteral("pbResetMac"));
    m_resetMac->setMaximumWidth(200);
    grid->addWidget(m_resetMac, 1, 3);
    grid->addWidget(makeHintLabel(this, QStringLiteral("lblResetMac"), hint), 1, 4);
    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumWidth(200);
    m_reset =
        new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset to default"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setMinimumWidth(200);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 2, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(3, 1);

    connect(m_reset, &QPushButton::clicked, this, &DebugSettingsWidget::askReset);
    connect(m_save, &QPushButton::clicked, this, &DebugSettingsWidget::saveSettings);
    connect(m_resetMac, &QPushButton::clicked, this, &DebugSettingsWidget::resetMac);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, &DebugSettingsWidget::connected);
        connect(overmind, &Overmind::disconnected, this, [this] { setEnabled(false); });
    }
    setFocusWidget(m_testServer);
}

void DebugSettingsWidget::setSettings(DebugSettings *settings)
{
    logDebug(this, QStringLiteral("Settings binded"));
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    if (settings)
        connect(settings, &DebugSettings::settingsUpdated, this,
                &DebugSettingsWidget::updateWidget);
}

DebugSettings *DebugSettingsWidget::settings() const
{
    return m_settings;
}

void DebugSettingsWidget::updateWidget()
{
    if (!m_settings)
        return;
    m_testServer->setChecked(m_settings->testServer());
    m_mac->setText(m_settings->macAddress());
    m_shownMac = m_mac->text();
}

void DebugSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    logDebug(this, QStringLiteral("Writing settings"));
    m_settings->setTestServer(m_testServer->isChecked());
    m_settings->store();
    storeMacAddress();
}

// The MAC lives in the Ethernet block: it is written only when the user typed a whole one.
void DebugSettingsWidget::storeMacAddress()
{
    const QString mac = m_mac->text();
    if (mac == m_shownMac)
        return;
    if (!m_mac->hasAcceptableInput()) {
        MessageBoxU::warning(tr("The MAC address is incomplete, it was not saved"),
                             tr("MAC address"));
        return;
    }
    m_settings->setMacAddress(mac);
    if (Overmind *overmind = Overmind::instance())
        overmind->storeMacAddress(mac);
}

void DebugSettingsWidget::resetMac()
{
    if (Overmind *overmind = Overmind::instance())
        m_mac->setText(overmind->defaultMacText());
    saveSettings();
}

void DebugSettingsWidget::askReset()
{
    const auto answer =
        MessageBoxU::question(tr("Are you sure you want to reset the settings?"),
                              tr("Reset settings"), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes && m_settings)
        m_settings->resetToDefault();
}

bool DebugSettingsWidget::hasChanges()
{
    return m_settings && m_testServer->isChecked() != m_settings->testServer();
}

void DebugSettingsWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool edit = overmind && overmind->canEdit();
    const bool viewing = overmind && overmind->isViewingMode();
    setEnabled(true);
    m_testServer->setEnabled(edit);
    // The MAC is written at once by its reset button: only for users who may edit.
    m_mac->setEnabled(edit);
    m_resetMac->setEnabled(edit && !viewing);
    m_save->setEnabled(edit && !viewing);
    m_reset->setEnabled(edit && !viewing);
}
