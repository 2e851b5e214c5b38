#include "pages/radio/OutSettingsWidget.h"

#include "app/ContentAwareLineEdit.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "link/Crc.h"
#include "link/Protocol.h"
#include "pages/radio/OutputSettingsWidget.h"
#include "radio/NameField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <cstring>

namespace {
const QRegularExpression &nameExpression()
{
    static const QRegularExpression expression(namePattern(NameFieldTextBytes));
    return expression;
}

bool canEdit()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->canEdit();
}

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}
} // namespace

OutSettingsWidget::OutSettingsWidget(quint16 id, QWidget *parent)
    : BaseSettingsWidget(parent), m_id(id)
{
    std::memset(&m_output, 0, sizeof(m_output));
    buildForm();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    m_editor->setVolumeVisible(false);
    m_editor->addTempMode();
    m_editor->addTempHumidityModes();
    m_editor->addTempHumidityCOModes();
    connect(m_editor, &OutputSettingsWidget::saveWidgetSettings, this, &OutSettingsWidget::save);
    m_name->setValidator(new QRegularExpressionValidator(nameExpression(), m_name));
    m_name->setChecker(
        [this](const QString &text) { return Overmind::limitUtf8Length(text, m_name); });
    connect(m_name, &QLineEdit::editingFinished, this, [this] { setName(m_name->text()); });
    connect(m_save, &QPushButton::clicked, this, &OutSettingsWidget::onSaveClicked);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    setEnabled(false);
}

void OutSettingsWidget::buildForm()
{
    setObjectName(QStringLiteral("OutSettingsWidget"));
    setWindowTitle(tr("Output settings"));
    resize(700, 700);
    auto *grid = new QGridLayout(this);
    auto *nameLabel = new QLabel(tr("Name:"), this);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    m_name = new ContentAwareLineEdit(this);
    m_name->setObjectName(QStringLiteral("leName"));
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_name, 0, 1);
    m_editor = new OutputSettingsWidget(this);
    m_editor->setObjectName(QStringLiteral("settingsWidget"));
    grid->addWidget(m_editor, 1, 0, 1, 2);
    grid->setRowStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_save = new QPushButton(tr("Save"), this);
    m_save->setObjectName(QStringLiteral("pbSave"));
    m_save->setMinimumWidth(120);
    m_cancel = new QPushButton(tr("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("pbCancel"));
    m_cancel->setMinimumWidth(120);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
}

void OutSettingsWidget::setOutputData(const s_ExtMemDataOutput &data)
{
    m_output = data;
    fillForm();
    setEnabled(true);
    m_editor->setEnabled(canEdit());
    m_save->setEnabled(canEdit() && !isViewingMode());
}

void OutSettingsWidget::fillForm()
{
    m_name->setText(nameFieldText(m_output.name));
    m_editor->setModeSettings(m_output.mode);
    m_editor->setOutputId(quint8(m_id & 0xFF));
}

void OutSettingsWidget::setTactic(const s_EventsOutMode &tactic)
{
    m_editor->setTactic(tactic);
}

bool OutSettingsWidget::setName(const QString &name)
{
    QByteArray bytes = name.toUtf8();
    bytes.append('\0');
    if (bytes.size() > NameFieldSize)
        return false;
    std::memset(m_output.name, 0xFF, sizeof(m_output.name));
    std::memcpy(m_output.name, bytes.constData(), size_t(bytes.size()));
    m_output.nameCrc = crc32Stm(m_output.name, NameFieldSize);
    return true;
}

bool OutSettingsWidget::save()
{
    // A name cut to fit would be stored as something the user never typed.
    if (!setName(m_name->text())) {
        MessageBoxU::exec(this, QMessageBox::Warning,
                          tr("The output name is too long: at most %1 bytes in UTF-8 fit. "
                             "Nothing was written.")
                              .arg(NameFieldTextBytes),
                          tr("Warning"), QMessageBox::Ok);
        return false;
    }
    m_output.mode = m_editor->modeSettings();
    m_output.compatibleVersion = 1;
    m_output.criticalVersion = 1;
    m_output.nameCrc = crc32Stm(m_output.name, NameFieldSize);
    m_output.crc32 = crc32Stm(&m_output, s_ExtMemDataOutput::crcOffset);
    Overmind *overmind = Overmind::instance();
    if (Protocol *link = overmind ? overmind->protocol() : nullptr)
        link->writeOutputData(m_id, m_output);
    return true;
}

void OutSettingsWidget::onSaveClicked()
{
    if (save())
        close();
}
