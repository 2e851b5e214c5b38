#include "pages/users/IButtonAddDialog.h"

#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/UserModel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpacerItem>

namespace {
constexpr int FieldWidth = 250;
constexpr int LabelWidth = 200;

QLabel *formLabel(const QString &text, const char *name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setMinimumWidth(LabelWidth);
    return label;
}

QComboBox *formCombo(const char *name, const char *accessible, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setAccessibleName(QLatin1String(accessible));
    combo->setFixedWidth(FieldWidth);
    return combo;
}

QPushButton *formButton(const QString &text, const char *icon, const char *name,
                        const char *accessible, QWidget *parent)
{
    auto *button = new QPushButton(QIcon(QLatin1String(icon)), text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QLatin1String(accessible));
    button->setMinimumSize(150, 30);
    return button;
}
} // namespace

IButtonAddDialog::IButtonAddDialog(int mode, IButtonModel *model, uchar index, QWidget *parent)
    : QWidget(parent), m_index(index), m_model(model)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    buildForm();

    if (mode == EditMode) {
        setWindowTitle(tr("Edit key %1 settings").arg(int(index) + 1));
        label->setText(tr("Input new key identificator:"));
        lblUser->setText(tr("Select new user:"));
        lblAccess->setText(tr("Input new access law:"));
        lblPartitions->setText(tr("Input new controlled partitions:"));
    } else {
        pbOk->setEnabled(false);
    }
    leKeyID->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9a-fA-F]{0,12}")), leKeyID));

    Overmind *overmind = Overmind::instance();
    if (overmind)
        overmind->initPartitionsCheckCombo(cbPartitions);
    cbPartitions->lineEdit()->setText(tr("Not selected"));

    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (users) {
        for (const UserSettings *user : users->users()) {
            cbUsers->addItem(user->jsonKey(), int(user->id()));
            cbUsers->setItemData(cbUsers->count() - 1,
                                 QStringLiteral("key%1User%2").arg(index).arg(cbUsers->count()),
                                 Qt::AccessibleTextRole);
        }
    }
    cbUsers->setCurrentIndex(cbUsers->count() > 0 ? 0 : -1);
    for (int law = 1; law <= IButtonSettings::MaxLaw; ++law) {
        cbAccess->addItem(IButtonSettings::lawName(law));
        cbAccess->setItemData(law - 1, QStringLiteral("key%1Access%2").arg(index).arg(law),
                              Qt::AccessibleTextRole);
    }
    cbAccess->setCurrentIndex(0);

    connect(leKeyID, &QLineEdit::textChanged, this, &IButtonAddDialog::onIdTextChanged);
    const auto enableOk = [this] { pbOk->setEnabled(!leKeyID->text().isEmpty()); };
    for (QComboBox *combo : {cbUsers, cbAccess, cbPartitions})
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, enableOk);
    // A partition ticked in the list changes no current item, yet it is a change.
    connect(cbPartitions->model(), &QAbstractItemModel::dataChanged, this, enableOk);
    connect(leKeyID, &QLineEdit::returnPressed, this, &IButtonAddDialog::checkAndAccept);
    // Both modes check on confirming: an edit must not give a key an identifier of zeros
    // or that of another key.
    connect(pbOk, &QPushButton::clicked, this, &IButtonAddDialog::checkAndAccept);
    connect(pbClose, &QPushButton::clicked, this, &QWidget::close);
}

IButtonAddDialog::~IButtonAddDialog() = default;

void IButtonAddDialog::buildForm()
{
    setObjectName(QStringLiteral("IButtonAddDialog"));
    // Wide enough for the longest label of the edit mode, also translated.
    setFixedSize(560, 200);
    setWindowTitle(tr("Add new IButton"));
    auto *form = new QFormLayout(this);
    form->setObjectName(QStringLiteral("formLayout"));
    QMargins margins = form->contentsMargins();
    margins.setRight(11);
    form->setContentsMargins(margins);

    label = formLabel(tr("Enter key identificator:"), "label", this);
    leKeyID = new QLineEdit(this);
    leKeyID->setObjectName(QStringLiteral("leKeyID"));
    leKeyID->setFixedWidth(FieldWidth);
    leKeyID->setMaxLength(12);
    leKeyID->setAccessibleName(QStringLiteral("lineKeyDialog"));
    form->addRow(label, leKeyID);

    lblUser = formLabel(tr("Enter user:"), "lblUser", this);
    cbUsers = formCombo("cbUsers", "comboUser", this);
    cbUsers->setMaxVisibleItems(20);
    form->addRow(lblUser, cbUsers);
    lblAccess = formLabel(tr("Enter access law:"), "lblAccess", this);
    cbAccess = formCombo("cbAccess", "comboAccess", this);
    form->addRow(lblAccess, cbAccess);
    lblPartitions = formLabel(tr("Enter controlled partitions:"), "lblPartitions", this);
    cbPartitions = formCombo("cbPartitions", "comboPartitions", this);
    cbPartitions->setMaxVisibleItems(20);
    form->addRow(lblPartitions, cbPartitions);
    form->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding));

    auto *buttons = new QHBoxLayout();
    buttons->setObjectName(QStringLiteral("horizontalLayout"));
    buttons->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    pbOk = formButton(tr("Ok"), ":/images/confirm.png", "pbOk", "btnOkKeyDialog", this);
    pbClose = formButton(tr("Close"), ":/images/stop.png", "pbClose", "btnCloseKeyDialog", this);
    buttons->addWidget(pbOk);
    buttons->addWidget(pbClose);
    form->addRow(buttons);
}

void IButtonAddDialog::onIdTextChanged(const QString &text)
{
    pbOk->setEnabled(true);
    const QString upper = text.toUpper();
    if (upper != text) {
        const int cursor = leKeyID->cursorPosition();
        leKeyID->setText(upper);
        leKeyID->setCursorPosition(cursor);
        return;
    }
    pbOk->setEnabled(!text.isEmpty());
}

void IButtonAddDialog::refuse(const QString &text)
{
    pbOk->setEnabled(false);
    MessageBoxU::exec(this, QMessageBox::Warning, text, windowTitle(), QMessageBox::Ok);
}

void IButtonAddDialog::checkAndAccept()
{
    if (!pbOk->isEnabled())
        return;
    const QString id = leKeyID->text();
    bool number = false;
    const qulonglong value = id.toULongLong(&number, 10);
    const int own = m_index == 255 ? -1 : int(m_index);
    if (number && value == 0)
        refuse(tr("You can't create a key with ID 0."));
    else if (m_model && m_model->containsKeyId(id, own))
        refuse(tr("A key with this name already exists."));
    else
        acceptSettings();
}

void IButtonAddDialog::acceptSettings()
{
    IButtonSetts setts;
    setts.id = leKeyID->text();
    setts.partitions = quint32(Overmind::checkedMask(cbPartitions)) * 2;
    setts.accessLaw = quint16(cbAccess->currentIndex() + 1);
    setts.userId = cbUsers->currentIndex() >= 0 ? quint8(cbUsers->currentData().toUInt())
                                                : IButtonSettings::NoOwner;
    emit settsChanged(setts);
    close();
}

void IButtonAddDialog::setSettings(const IButtonSetts &setts)
{
    leKeyID->setText(setts.id);
    if (Overmind *overmind = Overmind::instance())
        overmind->fillPartitionsCombo(cbPartitions, setts.partitions / 2);
    cbAccess->setCurrentIndex(int(setts.accessLaw) - 1);
    cbUsers->setCurrentIndex(cbUsers->findData(int(setts.userId)));
    pbOk->setEnabled(false);
}
