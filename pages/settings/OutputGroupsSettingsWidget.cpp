#include "pages/settings/OutputGroupsSettingsWidget.h"

#include "app/Logger.h"
#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/settings/OutputGroupsSettings.h"
#include "pages/settings/SettingsFields.h"
#include "pages/settings/SettingsPatterns.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

namespace {
constexpr int Groups = OutputGroupsSettings::GroupCount;
constexpr int NameColumn = 2;
} // namespace

OutputGroupsSettingsWidget::OutputGroupsSettingsWidget(QWidget *parent)
    : BaseSettingsWidget(parent),
      m_validator(new QRegularExpressionValidator(SettingsPatterns::namePattern(), this))
{
    setObjectName(QStringLiteral("Form"));
    resize(700, 800);
    auto *grid = new QGridLayout(this);
    auto *label = new QLabel(tr("Output groups names"), this);
    label->setObjectName(QStringLiteral("label"));
    grid->addWidget(label, 0, 0, 1, 3);
    m_table = new QTableWidget(Groups, 3, this);
    m_table->setObjectName(QStringLiteral("twNames"));
    m_table->setAccessibleName(QStringLiteral("OutputGroupsNamesTable"));
    m_table->setHorizontalHeaderLabels({tr("Output group"), tr("Status"), tr("Name")});
    m_table->setMinimumSize(500, 400);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->horizontalHeader()->setDefaultSectionSize(150);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < Groups; ++row) {
        const int n = row + 1;
        auto *title = new QTableWidgetItem(tr("Group %1").arg(n));
        title->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        title->setData(Qt::AccessibleTextRole, QStringLiteral("OutputGroupsTitle%1").arg(n));
        auto *status = new QTableWidgetItem(tr("Unknown"));
        status->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        status->setData(Qt::AccessibleTextRole, QStringLiteral("OutputGroupsStatus%1").arg(n));
        auto *name = new QTableWidgetItem(QString());
        name->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
        name->setData(Qt::AccessibleTextRole, QStringLiteral("OutputGroupsName%1").arg(n));
        m_table->setItem(row, 0, title);
        m_table->setItem(row, 1, status);
        m_table->setItem(row, NameColumn, name);
    }
    grid->addWidget(m_table, 1, 0, 1, 3);
    grid->setRowStretch(1, 1);
    m_currentTitle = new QLabel(tr("Output group"), this);
    m_currentTitle->setObjectName(QStringLiteral("lblCurrTitle"));
    m_currentTitle->setAccessibleName(QStringLiteral("labelCurrentOutputGroupTitle"));
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("leName"));
    m_name->setAccessibleName(QStringLiteral("lineCurrentOutputGroupName"));
    m_name->setValidator(m_validator);
    m_confirm = new QPushButton(QIcon(QStringLiteral(":/images/confirm.png")), tr("Confirm"), this);
    m_confirm->setObjectName(QStringLiteral("pbConfirm"));
    m_confirm->setAccessibleName(QStringLiteral("btnConfirmOutputGroupName"));
    grid->addWidget(m_currentTitle, 2, 0);
    grid->addWidget(m_name, 2, 1);
    grid->addWidget(m_confirm, 2, 2);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setAccessibleName(QStringLiteral("OutputGroupsStatus"));
    grid->addWidget(m_status, 3, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    m_save = new QPushButton(QIcon(QStringLiteral(":/images/save2D.png")), tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setAccessibleName(QStringLiteral("OutputGroupsBtnSave"));
    m_save->setMinimumSize(200, 30);
    m_reset = new QPushButton(QIcon(QStringLiteral(":/images/reset.png")), tr("Reset"), this);
    m_reset->setObjectName(QStringLiteral("pbReset"));
    m_reset->setAccessibleName(QStringLiteral("OutputGroupsBtnReset"));
    m_reset->setMinimumSize(200, 30);
    buttons->addWidget(m_save);
    buttons->addWidget(m_reset);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 3);

    connect(m_name, &QLineEdit::textEdited, this, [this](const QString &text) {
        onTextChanged(text);
        if (m_editor)
            m_editor->setText(m_name->text());
        else if (m_currentItem)
            m_currentItem->setText(m_name->text());
    });
    connect(m_name, &QLineEdit::returnPressed, this,
            &OutputGroupsSettingsWidget::onItemSelectionChanged);
    connect(m_confirm, &QPushButton::clicked, this,
            &OutputGroupsSettingsWidget::onItemSelectionChanged);
    connect(m_save, &QPushButton::clicked, this, &OutputGroupsSettingsWidget::saveSettings);
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            &OutputGroupsSettingsWidget::onCellDoubleClicked);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            &OutputGroupsSettingsWidget::onItemSelectionChanged);
    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::ready, this, &OutputGroupsSettingsWidget::onReady);
        connect(overmind, &Overmind::disconnected, this, &OutputGroupsSettingsWidget::disconnected);
    }
    m_currentTitle->hide();
    m_name->hide();
    m_confirm->hide();
}

void OutputGroupsSettingsWidget::setSettings(OutputGroupsSettings *settings)
{
    logDebug(this, QStringLiteral("Settings binded"));
    if (m_settings) {
        disconnect(m_settings, nullptr, this, nullptr);
        disconnect(m_reset, &QPushButton::clicked, m_settings, nullptr);
    }
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &OutputGroupsSettings::memEmptyError, this,
            &OutputGroupsSettingsWidget::showError);
    connect(settings, &OutputGroupsSettings::settingsUpdated, this,
            &OutputGroupsSettingsWidget::onSettingsUpdated);
    connect(m_reset, &QPushButton::clicked, settings, &OutputGroupsSettings::resetToDefault);
}

OutputGroupsSettings *OutputGroupsSettingsWidget::settings() const
{
    return m_settings;
}

void OutputGroupsSettingsWidget::onReady()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !m_settings)
        return;
    if (overmind->isViewingMode()) {
        // A viewed file has no device to ask.
        m_save->setEnabled(false);
        m_reset->setEnabled(false);
        return;
    }
    const bool edit = overmind->canEdit();
    m_save->setEnabled(edit);
    m_reset->setEnabled(edit);
    Protocol *protocol = overmind->protocol();
    // One set of connections per link, so a second login does not handle records twice.
    if (protocol && protocol != m_protocol) {
        if (m_protocol)
            disconnect(m_protocol, nullptr, this, nullptr);
        m_protocol = protocol;
        connect(protocol, &Protocol::outGroupSettings, this,
                &OutputGroupsSettingsWidget::onGroupRecord);
        connect(protocol, &Protocol::outGroupStatus, this,
                &OutputGroupsSettingsWidget::onGroupStatus);
        connect(protocol, &Protocol::errorOccurred, this, &OutputGroupsSettingsWidget::showError);
        connect(protocol, &Protocol::memEmptyError, this, &OutputGroupsSettingsWidget::showError);
    }
    for (int group = 0; group < Groups; ++group)
        m_settings->requestGroup(group);
}

void OutputGroupsSettingsWidget::onGroupRecord(int group, const s_ExtMemDataOutGroup &record)
{
    if (!m_settings || group < 0 || group >= Groups)
        return;
    const QString name = SettingsFields::text(reinterpret_cast<const quint8 *>(&record),
                                              OutputGroupsSettings::NameSize);
    m_settings->setName(group, name);
    if (!m_editor)
        m_table->item(group, NameColumn)->setText(m_settings->name(group));
    Overmind *overmind = Overmind::instance();
    if (!overmind)
        return;
    emit overmind->readyGroupOutputsNames();
    if ((overmind->deviceInfo().version() >> 8) >= 2 && overmind->protocol())
        overmind->protocol()->sendToDevice(_MenuDataReadOutGroupStatus, quint16(group));
}

void OutputGroupsSettingsWidget::onGroupStatus(int group, const s_OutGroups &status)
{
    if (group < 0 || group >= Groups)
        return;
    const bool enabled = reinterpret_cast<const quint8 *>(&status)[0] != 0;
    m_table->item(group, 1)->setText(enabled ? tr("Enabled") : tr("Disabled"));
}

void OutputGroupsSettingsWidget::showError(const QString &text)
{
    m_status->setText(text);
    m_status->setStyleSheet(QStringLiteral("color: red"));
}

void OutputGroupsSettingsWidget::onItemSelectionChanged()
{
    if (m_currentItem && m_editor && m_editorIndex.isValid()) {
        m_currentItem->setText(m_editor->text());
        QLineEdit *editor = m_editor;
        m_editor = nullptr;
        m_table->removeCellWidget(m_editorIndex.row(), m_editorIndex.column());
        Q_UNUSED(editor)
    }
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_currentItem = m_table->item(row, NameColumn);
    m_currentTitle->setText(m_table->item(row, 0)->text());
    m_name->setText(m_currentItem->text());
}

void OutputGroupsSettingsWidget::onCellDoubleClicked(int row, int column)
{
    if (column != NameColumn || !m_currentItem)
        return;
    Overmind *overmind = Overmind::instance();
    if (overmind && (overmind->isViewingMode() || !overmind->canEdit()))
        return;
    m_editorIndex = m_table->model()->index(row, NameColumn);
    auto *editor = new QLineEdit(m_currentItem->text());
    editor->setAccessibleName(QStringLiteral("OutputGroupsEdit%1").arg(row + 1));
    editor->setValidator(m_validator);
    connect(editor, &QLineEdit::editingFinished, this,
            &OutputGroupsSettingsWidget::onItemSelectionChanged);
    connect(editor, &QLineEdit::textChanged, this, &OutputGroupsSettingsWidget::onTextChanged);
    m_editor = editor;
    m_table->setCellWidget(row, NameColumn, editor);
    m_status->clear();
}

void OutputGroupsSettingsWidget::onTextChanged(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= OutputGroupsSettings::NameSize - 1) {
        m_name->setText(text);
        return;
    }
    QString cut = QString::fromUtf8(utf8.left(OutputGroupsSettings::NameSize));
    cut.chop(1);
    if (m_editor && m_editor->text() != cut)
        m_editor->setText(cut);
    m_name->setText(cut);
}

void OutputGroupsSettingsWidget::saveSettings()
{
    if (!m_settings)
        return;
    for (int row = 0; row < Groups; ++row)
        m_settings->setName(row, m_table->item(row, NameColumn)->text());
    m_settings->store();
    m_status->setText(tr("Names saved"));
    m_status->setStyleSheet(QStringLiteral("color: black"));
}

void OutputGroupsSettingsWidget::onSettingsUpdated()
{
    updateWidget();
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->isViewingMode()) {
        for (int row = 0; row < Groups; ++row)
            m_table->item(row, NameColumn)->setFlags(Qt::ItemIsEnabled);
        m_currentTitle->hide();
        m_name->hide();
        m_confirm->hide();
    }
}

void OutputGroupsSettingsWidget::updateWidget()
{
    if (!m_settings)
        return;
    for (int row = 0; row < Groups; ++row)
        m_table->item(row, NameColumn)->setText(m_settings->name(row));
}

bool OutputGroupsSettingsWidget::hasChanges()
{
    if (!m_settings)
        return false;
    for (int row = 0; row < Groups; ++row)
        if (m_table->item(row, NameColumn)->text() != m_settings->name(row))
            return true;
    return false;
}

void OutputGroupsSettingsWidget::disconnected()
{
    m_status->clear();
    m_status->setStyleSheet(QStringLiteral("color: black"));
    m_editor = nullptr;
    m_table->removeCellWidget(m_editorIndex.row(), m_editorIndex.column());
    for (int row = 0; row < Groups; ++row)
        m_table->item(row, NameColumn)->setText(QString());
}
