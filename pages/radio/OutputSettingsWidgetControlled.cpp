#include "pages/radio/OutputSettingsWidgetControlled.h"

#include "app/Overmind.h"
#include "pages/radio/MaskEditWidget.h"
#include "pages/radio/OutputHints.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <cstring>

namespace {
constexpr int GroupCount = 16;

MaskEditWidget *maskGroup(QWidget *parent, QGridLayout *grid, int row, const QString &title,
                          const QString &name)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QStringLiteral("gb") + name);
    auto *editor = new MaskEditWidget(group);
    editor->setObjectName(name);
    (new QVBoxLayout(group))->addWidget(editor);
    grid->addWidget(group, row, 0, 1, 3);
    return editor;
}
} // namespace

OutputSettingsWidgetControlled::OutputSettingsWidgetControlled(QWidget *parent)
    : BaseSettingsWidget(parent)
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    buildForm();
    if (Overmind *overmind = Overmind::instance()) {
        overmind->fillOutputGroupCombo(m_group);
    } else {
        for (int group = 1; group <= GroupCount; ++group)
            m_group->addItem(QStringLiteral("%1. ").arg(group));
        m_group->setMaxVisibleItems(GroupCount);
    }
    setVolumeVisible(false);
}

void OutputSettingsWidgetControlled::buildForm()
{
    setObjectName(QStringLiteral("ControlledMode"));
    resize(454, 332);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_enableMask = maskGroup(this, grid, 0, tr("Enable mask"), QStringLiteral("EnableMask"));
    m_disableMask = maskGroup(this, grid, 1, tr("Disable mask"), QStringLiteral("DisableMask"));

    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("cbOutGroupNumber"));
    m_allowSms = new QCheckBox(this);
    m_allowSms->setObjectName(QStringLiteral("cbAllowSMSControl"));
    m_allowCall = new QCheckBox(this);
    m_allowCall->setObjectName(QStringLiteral("cbAllowCallControl"));
    m_allowKeychain = new QCheckBox(this);
    m_allowKeychain->setObjectName(QStringLiteral("cbAllowKeychainControl"));

    const auto addRow = [this, grid](int row, const QString &caption, QWidget *control,
                                     const QString &hintName, const QString &hint) {
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(control, row, 1);
        grid->addWidget(OutputHints::makeIcon(this, hintName, hint), row, 2);
    };
    addRow(2, tr("Out group number"), m_group, QStringLiteral("lbOutGroupNumberHint"),
           OutputHints::outGroupNumber());
    addRow(4, tr("Allow SMS and WEB control "), m_allowSms, QStringLiteral("lbAllowSMSControlHint"),
           OutputHints::allowSmsControl());
    addRow(5, tr("Allow call control"), m_allowCall, QStringLiteral("lbAllowCallControlHint"),
           OutputHints::allowCallControl());
    addRow(6, tr("Allow keychain control"), m_allowKeychain,
           QStringLiteral("lbAllowKeychainControlHint"), OutputHints::allowKeychainControl());
    setTabOrder(m_group, m_allowSms);
    setTabOrder(m_allowSms, m_allowCall);
    setTabOrder(m_allowCall, m_allowKeychain);
}

void OutputSettingsWidgetControlled::setModeSettings(const s_OutputModeSett &settings)
{
    m_settings = settings;
    m_allowCall->setChecked(settings.controlFlags & OutputFlag::AllowCallControl);
    m_allowKeychain->setChecked(settings.controlFlags & OutputFlag::AllowKeychainControl);
    m_allowSms->setChecked(settings.controlFlags & OutputFlag::AllowSmsControl);
    m_disableMask->setMask(settings.DisableMask);
    m_enableMask->setMask(settings.EnableMask);
    if (m_settings.OutGroupNumber >= GroupCount)
        m_settings.OutGroupNumber = 0;
    m_group->setCurrentIndex(m_settings.OutGroupNumber);
}

s_OutputModeSett OutputSettingsWidgetControlled::modeSettings()
{
    std::memset(&m_settings, 0, sizeof(m_settings));
    m_settings.controlFlags =
        quint8((m_allowCall->isChecked() ? OutputFlag::AllowCallControl : 0) |
               (m_allowKeychain->isChecked() ? OutputFlag::AllowKeychainControl : 0) |
               (m_allowSms->isChecked() ? OutputFlag::AllowSmsControl : 0));
    m_settings.DisableMask = m_disableMask->mask();
    m_settings.EnableMask = m_enableMask->mask();
    m_settings.OutGroupNumber = quint8(qMax(0, m_group->currentIndex()));
    return m_settings;
}

void OutputSettingsWidgetControlled::setVolumeVisible(bool visible)
{
    m_enableMask->setVolumeVisible(visible);
    m_disableMask->setVolumeVisible(visible);
}
