#include "pages/users/IButtonsWidget.h"

#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "app/TabOutCatcher.h"
#include "app/TabOutEmitter.h"
#include "link/Protocol.h"
#include "pages/users/HexStringDelegate.h"
#include "pages/users/IButtonAddDialog.h"
#include "pages/users/IButtonModel.h"
#include "pages/users/IButtonPartitionDelegate.h"
#include "pages/users/IButtonPermissionDelegate.h"
#include "pages/users/IButtonSettings.h"
#include "pages/users/IButtonTableView.h"
#include "pages/users/IButtonUserDelegate.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int IdentifiersShown = 5;

QPushButton *pageButton(const QString &text, const char *icon, const char *name,
                        const char *accessible, int width, QWidget *parent)
{
    auto *button = new QPushButton(QIcon(QLatin1String(icon)), text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QLatin1String(accessible));
    button->setMinimumSize(width, 30);
    // Nothing to act on before a login.
    button->setEnabled(false);
    return button;
}

QString boxTitle(const char *text)
{
    return QCoreApplication::translate("MessageBoxU", text);
}
} // namespace

IButtonsWidget::IButtonsWidget(QWidget *parent)
    : QWidget(parent), lblMessage(new QLabel(this)),
      pbAllowAddNew(pageButton(tr("Add via reader"), ":/images/confirm.png", "pbAllowAddNew",
                               "btnAllowAddKey", 200, this)),
      pbAddNew(
          pageButton(tr("Add manually"), ":/images/Add.png", "pbAddNew", "btnAddKey", 200, this)),
      pbDeleteSelected(pageButton(tr("Delete"), ":/images/delete.png", "pbDeleteSelected",
                                  "btnDeleteKey", 120, this)),
      tvIButtons(new IButtonTableView(this))
{
    setObjectName(QStringLiteral("IButtonsWidget"));
    resize(800, 400);
    pbAllowAddNew->setCheckable(true);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tvIButtons->setObjectName(QStringLiteral("tvIButtons"));
    tvIButtons->setAccessibleName(QStringLiteral("tableKeys"));
    tvIButtons->setFocusPolicy(Qt::ClickFocus);
    tvIButtons->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvIButtons->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont headerFont = tvIButtons->horizontalHeader()->font();
    headerFont.setBold(true);
    tvIButtons->horizontalHeader()->setFont(headerFont);
    tvIButtons->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    QMargins margins = layout->contentsMargins();
    margins.setTop(6);
    layout->setContentsMargins(margins);
    auto *row = new QHBoxLayout();
    row->setObjectName(QStringLiteral("horizontalLayout"));
    row->addWidget(lblMessage, 1);
    row->addWidget(pbAllowAddNew);
    row->addWidget(pbAddNew);
    row->addWidget(pbDeleteSelected);
    layout->addLayout(row);
    layout->addWidget(tvIButtons);
    setTabOrder(pbAllowAddNew, pbAddNew);
    setTabOrder(pbAddNew, pbDeleteSelected);

    auto *deleteTab = new TabOutCatcher(pbDeleteSelected);
    pbDeleteSelected->installEventFilter(deleteTab);
    connect(deleteTab, &TabOutCatcher::catchedKeyTab, tvIButtons,
            [this] { tvIButtons->setFocus(Qt::TabFocusReason); });
    auto *tableEscape = new TabOutEmitter(tvIButtons);
    tvIButtons->installEventFilter(tableEscape);
    connect(tableEscape, &TabOutEmitter::setFocusInMain, tvIButtons,
            [this] { tvIButtons->clearFocus(); });

    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::loginSuccessful, this, &IButtonsWidget::onLoginSuccessful);
        connect(overmind, &Overmind::lockSettingsChanged, this,
                &IButtonsWidget::onLockSettingsChanged);
    }
    connect(pbDeleteSelected, &QPushButton::clicked, this, &IButtonsWidget::deleteSelected);
    connect(pbAllowAddNew, &QPushButton::clicked, this, &IButtonsWidget::allowAddNew);
    connect(pbAddNew, &QPushButton::clicked, this, &IButtonsWidget::addIButtonCliked);
    connect(tvIButtons, &QTableView::doubleClicked, this, &IButtonsWidget::onDoubleClicked);
}

IButtonsWidget::~IButtonsWidget()
{
    delete m_hexDelegate;
    delete m_partitionDelegate;
    delete m_permissionDelegate;
    delete m_userDelegate;
}

bool IButtonsWidget::isViewing() const
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

bool IButtonsWidget::isReadOnly() const
{
    Overmind *overmind = Overmind::instance();
    // Rights come with a login; before any there is no user to restrict.
    return isViewing() || (overmind && overmind->loginWidget() && !overmind->canEdit());
}

void IButtonsWidget::setModel(IButtonModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    tvIButtons->setModel(model);
    tvIButtons->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (!model)
        return;
    connect(model, &IButtonModel::maxCount, this, &IButtonsWidget::setEnableAddButton);
    connect(model, &IButtonModel::newIButton, this, &IButtonsWidget::onNewIButton);
    applyAccess();
}

void IButtonsWidget::applyAccess()
{
    if (!m_model)
        return;
    if (isReadOnly()) {
        // Keys belong to users, and the users page is read-only here too; while viewing a
        // file a deletion would wait for an acknowledgement no device sends.
        tvIButtons->setEditTriggers(QAbstractItemView::NoEditTriggers);
        for (QPushButton *button : {pbAllowAddNew, pbAddNew, pbDeleteSelected})
            button->setEnabled(false);
        for (int column = 0; column < IButtonModel::ColumnCount; ++column)
            tvIButtons->setItemDelegateForColumn(column, nullptr);
        return;
    }
    tvIButtons->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::SelectedClicked);
    setDelegates();
    connect(tvIButtons, &IButtonTableView::selected, this, &IButtonsWidget::onSelectedRows,
            Qt::UniqueConnection);
    connect(tvIButtons, &QTableView::clicked, this, &IButtonsWidget::onSelectedRows,
            Qt::UniqueConnection);
}

IButtonModel *IButtonsWidget::model() const
{
    return m_model;
}

void IButtonsWidget::setDelegates()
{
    if (!m_hexDelegate) {
        m_hexDelegate = new HexStringDelegate(tvIButtons);
        m_partitionDelegate = new IButtonPartitionDelegate(tvIButtons);
        m_permissionDelegate = new IButtonPermissionDelegate(tvIButtons);
        m_userDelegate = new IButtonUserDelegate(tvIButtons);
    }
    tvIButtons->setItemDelegateForColumn(IButtonModel::IdColumn, m_hexDelegate);
    tvIButtons->setItemDelegateForColumn(IButtonModel::PartitionsColumn, m_partitionDelegate);
    tvIButtons->setItemDelegateForColumn(IButtonModel::PermissionsColumn, m_permissionDelegate);
    tvIButtons->setItemDelegateForColumn(IButtonModel::UserColumn, m_userDelegate);
}

void IButtonsWidget::onLoginSuccessful()
{
    Overmind *overmind = Overmind::instance();
    const bool allowed = overmind && overmind->canEdit() && !overmind->isViewingMode();
    for (QPushButton *button : {pbAllowAddNew, pbAddNew, pbDeleteSelected})
        button->setEnabled(allowed);
    // Another user may have logged in since the page got its model.
    applyAccess();
    if (allowed)
        setEnableAddButton();
}

void IButtonsWidget::setEnableAddButton()
{
    const bool full = m_model && m_model->rowCount() == IButtonModel::maxKeys();
    const bool enabled = !full && !isReadOnly();
    pbAddNew->setEnabled(enabled);
    pbAllowAddNew->setEnabled(enabled);
}

void IButtonsWidget::onSelectedRows()
{
    if (isReadOnly())
        return;
    if (!m_model || m_model->rowCount() == 0) {
        pbDeleteSelected->setEnabled(false);
        return;
    }
    pbDeleteSelected->setEnabled(!tvIButtons->selectionModel()->selectedRows().isEmpty());
}

void IButtonsWidget::onLockSettingsChanged()
{
    Overmind *overmind = Overmind::instance();
    const bool unlocked = !overmind || overmind->isSettingsUnlocked();
    setEnabled(unlocked);
    lblMessage->setText(
        unlocked ? QString()
                 : tr("Changing settings is only available when all sections are untaken"));
}

void IButtonsWidget::allowAddNew(bool allow)
{
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->protocol())
        overmind->protocol()->enableIButtonAdding(allow);
}

void IButtonsWidget::addIButtonCliked()
{
    if (!m_model || isReadOnly())
        return;
    if (m_model->rowCount() >= IButtonModel::maxKeys()) {
        MessageBoxU::warning(tr("You cannot create more than 64 keys."), boxTitle("Warning"));
        return;
    }
    auto *dialog = new IButtonAddDialog(IButtonAddDialog::AddMode, m_model, 255);
    if (Overmind *overmind = Overmind::instance())
        overmind->registerDialog(dialog);
    connect(dialog, &IButtonAddDialog::settsChanged, this, &IButtonsWidget::addKey);
    dialog->show();
}

void IButtonsWidget::addKey(const IButtonSetts &setts)
{
    if (!m_model)
        return;
    IButtonSettings *key = m_model->addKey(setts.id.toUpper(), setts.accessLaw, setts.partitions,
                                           IButtonModel::Auto, quint8(m_model->firstFreeIndex()));
    if (!key) {
        MessageBoxU::warning(tr("Failed to add a new key."), boxTitle("Warning"));
        return;
    }
    key->setUserId(setts.userId);
    key->store();
    setEnableAddButton();
    tvIButtons->viewport()->update();
    showRow(key->id());
}

void IButtonsWidget::showRow(int row)
{
    const QModelIndex cell = m_model->index(row, IButtonModel::IdColumn);
    tvIButtons->scrollTo(cell);
    tvIButtons->setCurrentIndex(cell);
}

void IButtonsWidget::onDoubleClicked()
{
    if (!m_model || isReadOnly())
        return;
    const QModelIndexList rows = tvIButtons->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        MessageBoxU::warning(tr("To perform the actions you need to choose a key from the list."),
                             boxTitle("Warning"));
        return;
    }
    if (rows.size() > 1)
        return;
    IButtonSettings *key = m_model->keyAt(quint8(rows.first().row()));
    if (!key)
        return;
    auto *dialog = new IButtonAddDialog(IButtonAddDialog::EditMode, m_model, key->id());
    dialog->setSettings(
        IButtonSetts{key->idHex(), key->partitionsMask(), key->accessLaw(), key->userId()});
    if (Overmind *overmind = Overmind::instance())
        overmind->registerDialog(dialog);
    // The key may be deleted while the dialog is open.
    const QPointer<IButtonSettings> opened(key);
    connect(dialog, &IButtonAddDialog::settsChanged, this, [this, opened](const IButtonSetts &s) {
        if (opened)
            editKey(opened, s);
    });
    dialog->show();
}

void IButtonsWidget::editKey(IButtonSettings *key, const IButtonSetts &setts)
{
    key->setAccessLaw(setts.accessLaw);
    key->setIdHex(setts.id.toUpper());
    key->setPartitionsMask(setts.partitions);
    key->setUserId(setts.userId);
    key->store();
    tvIButtons->viewport()->update();
}

QString IButtonsWidget::deleteQuestion(const QStringList &identifiers)
{
    QString list;
    if (identifiers.size() == 1) {
        list = identifiers.first();
    } else {
        list = QStringLiteral("\n");
        for (int i = 0; i < identifiers.size() && i < IdentifiersShown; ++i)
            list += identifiers.at(i) + QLatin1Char('\n');
        if (identifiers.size() > IdentifiersShown)
            list += tr("\nand %1 more keys.\n").arg(identifiers.size() - IdentifiersShown);
    }
    return tr("Are you sure you want to delete key(s): %1").arg(list);
}

void IButtonsWidget::deleteSelected()
{
    if (!m_model || isReadOnly())
        return;
    QList<int> rows;
    for (const QModelIndex &index : tvIButtons->selectionModel()->selectedRows())
        rows.append(index.row());
    if (!rows.isEmpty()) {
        std::sort(rows.begin(), rows.end());
        QStringList identifiers;
        for (int row : qAsConst(rows))
            if (IButtonSettings *key = m_model->keyAt(quint8(row)))
                identifiers << key->idHex();
        if (MessageBoxU::question(deleteQuestion(identifiers), boxTitle("Attention"),
                                  QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
            return;
        std::sort(rows.begin(), rows.end(), std::greater<int>());
        for (int row : qAsConst(rows))
            m_model->removeRows(row, 1);
    }
    setEnableAddButton();
}

void IButtonsWidget::onNewIButton(int)
{
    if (!m_model)
        return;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->index(row, 0).data(Qt::AccessibleTextRole).toString() != QLatin1String("item"))
            continue;
        for (int column = 0; column < IButtonModel::ColumnCount; ++column)
            m_model->setData(m_model->index(row, column),
                             QStringLiteral("itemKey %1 %2").arg(row).arg(column),
                             Qt::AccessibleTextRole);
    }
}

void IButtonsWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && !isReadOnly())
        deleteSelected();
    else
        QWidget::keyPressEvent(event);
}
