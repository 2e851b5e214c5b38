#include "pages/users/UsersWidget.h"

#include "app/Logger.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "app/TabOutCatcher.h"
#include "app/TabOutEmitter.h"
#include "link/Protocol.h"
#include "link/ProtocolTypes.h"
#include "pages/users/UserAddDialog.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSortModel.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpacerItem>
#include <QTableView>

namespace {
constexpr e_ID_OPER KeepAliveOperation = _SendRequestExtendLogout;
constexpr int NamesShown = 5;
constexpr int PhoneColumnWidth = 200;

QPushButton *pageButton(const QString &text, const char *icon, const char *objectName,
                        const char *accessible, QWidget *parent)
{
    auto *button = new QPushButton(QIcon(QLatin1String(icon)), text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setAccessibleName(QLatin1String(accessible));
    button->setToolTip(text);
    button->setMinimumSize(200, 30);
    button->setEnabled(false);
    return button;
}
} // namespace

UsersWidget::UsersWidget(QWidget *parent)
    : QWidget(parent), m_proxy(new UserSortModel(this)), lblMessage(new QLabel(this)),
      pbAddUser(pageButton(tr("Add user"), ":/images/Add.png", "pbAddUser", "pbAddUser", this)),
      pbDeleteSelected(pageButton(tr("Delete user"), ":/images/delete.png", "pbDeleteSelected",
                                  "pbDeleteUser", this)),
      tvUsers(new QTableView(this))
{
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    tvUsers->setObjectName(QStringLiteral("tvUsers"));
    tvUsers->setAccessibleName(QStringLiteral("tableUsers"));
    tvUsers->setMouseTracking(true);
    tvUsers->setFocusPolicy(Qt::ClickFocus);
    tvUsers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tvUsers->setAlternatingRowColors(true);
    tvUsers->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvUsers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tvUsers->setShowGrid(false);
    tvUsers->setSortingEnabled(true);
    tvUsers->verticalHeader()->hide();
    QFont headerFont = tvUsers->horizontalHeader()->font();
    headerFont.setBold(true);
    tvUsers->horizontalHeader()->setFont(headerFont);
    tvUsers->horizontalHeader()->setMinimumSectionSize(20);
    tvUsers->setModel(m_proxy);

    auto *layout = new QGridLayout(this);
    layout->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 0);
    layout->addWidget(lblMessage, 0, 1);
    layout->addWidget(pbAddUser, 0, 2);
    layout->addWidget(pbDeleteSelected, 0, 3);
    layout->addWidget(tvUsers, 1, 0, 1, 4);
    layout->setColumnStretch(1, 1);
    setTabOrder(pbAddUser, pbDeleteSelected);
    setTabOrder(pbDeleteSelected, tvUsers);

    connect(pbAddUser, &QPushButton::clicked, this, &UsersWidget::addUser);
    connect(pbDeleteSelected, &QPushButton::clicked, this, &UsersWidget::deleteSelected);
    Overmind *overmind = Overmind::instance();
    if (overmind) {
        connect(overmind, &Overmind::loginSuccessful, this, &UsersWidget::connected);
        connect(overmind, &Overmind::disconnected, this, &UsersWidget::disconnected);
        connect(overmind, &Overmind::lockSettingsChanged, this,
                &UsersWidget::onLockSettingsChanged);
    }
    connect(tvUsers, &QTableView::clicked, this, [] {
        Overmind *controller = Overmind::instance();
        if (controller && controller->protocol())
            controller->protocol()->sendToDevice(KeepAliveOperation, 0);
    });
    connect(tvUsers, &QTableView::activated, this, &UsersWidget::openUserAddDialog);

    if (!overmind || !overmind->isViewingMode()) {
        auto *deleteTab = new TabOutCatcher(pbDeleteSelected);
        pbDeleteSelected->installEventFilter(deleteTab);
        connect(deleteTab, &TabOutCatcher::catchedKeyTab, tvUsers,
                [this] { tvUsers->setFocus(Qt::TabFocusReason); });
    }
    auto *addTab = new TabOutCatcher(pbAddUser);
    pbAddUser->installEventFilter(addTab);
    connect(addTab, &TabOutCatcher::catchedKeyTab, tvUsers,
            [this] { tvUsers->setFocus(Qt::TabFocusReason); });
    auto *tableTab = new TabOutCatcher(tvUsers);
    tvUsers->installEventFilter(tableTab);
    connect(tableTab, &TabOutCatcher::catchedKeyTab, this, &UsersWidget::moveToNextRow);
    auto *tableEscape = new TabOutEmitter(tvUsers);
    tvUsers->installEventFilter(tableEscape);
    connect(tableEscape, &TabOutEmitter::setFocusInMain, tvUsers,
            [this] { tvUsers->clearFocus(); });
}

void UsersWidget::setModel(UserModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    m_proxy->setSourceModel(model);
    QHeaderView *header = tvUsers->horizontalHeader();
    if (model) {
        header->setSectionResizeMode(QHeaderView::Stretch);
        header->setSectionResizeMode(UserModel::IndexColumn, QHeaderView::ResizeToContents);
        header->setSectionResizeMode(UserModel::PhoneColumn, QHeaderView::Interactive);
        header->resizeSection(UserModel::PhoneColumn, PhoneColumnWidth);
        connect(model, &UserModel::maxCount, this, &UsersWidget::setEnableAdd);
    }
    connect(tvUsers->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &UsersWidget::updateDeleteButton, Qt::UniqueConnection);
}

UserModel *UsersWidget::model() const
{
    return m_model;
}

bool UsersWidget::mayEdit() const
{
    // Rights come with a login; before any there is no user to restrict.
    Overmind *overmind = Overmind::instance();
    return !overmind ||
           (!overmind->isViewingMode() && (!overmind->loginWidget() || overmind->canEdit()));
}

void UsersWidget::connected()
{
    Overmind *overmind = Overmind::instance();
    const bool allowed = overmind && mayEdit();
    pbDeleteSelected->setEnabled(allowed);
    pbAddUser->setEnabled(allowed &&
                          (!m_model || m_model->rowCount() < overmind->deviceInfo().maxUsers()));
}

void UsersWidget::disconnected()
{
    pbAddUser->setEnabled(false);
    pbDeleteSelected->setEnabled(false);
}

void UsersWidget::setEnableAdd()
{
    Overmind *overmind = Overmind::instance();
    if (!overmind || !m_model)
        return;
    pbAddUser->setEnabled(m_model->rowCount() != overmind->deviceInfo().maxUsers() && mayEdit());
}

void UsersWidget::updateDeleteButton()
{
    const QModelIndexList selected = tvUsers->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.column() == UserModel::NameColumn && index.data(Qt::UserRole).toBool()) {
            pbDeleteSelected->setEnabled(false);
            return;
        }
    }
    pbDeleteSelected->setEnabled(mayEdit());
}

void UsersWidget::onLockSettingsChanged()
{
    Overmind *overmind = Overmind::instance();
    const bool unlocked = !overmind || overmind->isSettingsUnlocked();
    setEnabled(unlocked);
    lblMessage->setText(
        unlocked ? QString()
                 : tr("Changing settings is only available when all sections are untaken"));
}

void UsersWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && pbDeleteSelected->isEnabled())
        deleteSelected();
}

void UsersWidget::moveToNextRow()
{
    const int next = tvUsers->currentIndex().row() + 1;
    if (next < m_proxy->rowCount())
        tvUsers->setCurrentIndex(m_proxy->index(next, 0));
    else
        tvUsers->setCurrentIndex(QModelIndex());
}

void UsersWidget::refreshPartitions()
{
    Overmind *overmind = Overmind::instance();
    PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr;
    if (!partitions)
        return;
    for (int number = 0; number < partitions->partitionCount(); ++number)
        if (Partition *partition = partitions->partition(number))
            emit partition->updated();
}

void UsersWidget::addUser()
{
    Overmind *overmind = Overmind::instance();
    if (!m_model || !overmind || !mayEdit())
        return;
    const int id = m_model->firstFreeId();
    if (id < 0) {
        logError(this, QStringLiteral("Failed to create user"));
        return;
    }
    // The page owns the new user until the model takes it.
    auto *user = new UserSettings(overmind->protocol(), quint8(id));
    auto *dialog = new UserAddDialog(user, UserAddDialog::AddMode, this);
    overmind->registerDialog(dialog);
    const QPointer<UserSettings> guard(user);
    const QPointer<UserModel> model(m_model);
    connect(dialog, &QObject::destroyed, [guard, model] {
        if (guard && (!model || !model->users().contains(guard.data())))
            delete guard.data(); // cancelled, or no id was free any more
    });
    connect(dialog, &UserAddDialog::accepted, this, [this, user] {
        if (!m_model || !m_model->addUser(user))
            return; // no free id any more: the dialog's end discards the user
        user->setWriteFlag(false);
        user->writeToDevice();
        const QModelIndex row = m_proxy->mapFromSource(
            m_model->index(m_model->users().indexOf(user), UserModel::IndexColumn));
        tvUsers->setCurrentIndex(row);
        tvUsers->scrollTo(row);
        setEnableAdd();
        refreshPartitions();
    });
    dialog->show();
}

void UsersWidget::openUserAddDialog()
{
    Overmind *overmind = Overmind::instance();
    if (!m_model || !overmind)
        return;
    const int row = m_proxy->mapToSource(tvUsers->currentIndex()).row();
    const QList<UserSettings *> users = m_model->users();
    if (row < 0 || row >= users.size() || !users.at(row))
        return;
    QPointer<UserSettings> user = users.at(row);
    const int mode = overmind->canEdit() ? UserAddDialog::EditMode : UserAddDialog::ViewMode;
    auto *dialog = new UserAddDialog(user, mode, this);
    overmind->registerDialog(dialog);
    connect(dialog, &UserAddDialog::accepted, this, [this, user, mode] {
        if (!user || mode != UserAddDialog::EditMode)
            return;
        user->setWriteFlag(false);
        user->writeToDevice();
        if (m_model) {
            emit m_model->signalUpdateSettings();
            emit m_model->userPhoneUpdate(user->id(), user->phoneText());
        }
        refreshPartitions();
    });
    dialog->show();
}

QString UsersWidget::deleteQuestion(const QStringList &names) const
{
    QString text = tr("Do you really want to delete user: \n");
    if (names.size() <= NamesShown) {
        text += names.join(QLatin1Char('\n'));
    } else {
        for (int i = 0; i < NamesShown; ++i)
            text += names.at(i) + QLatin1Char('\n');
        text += tr("\nand %1 more users?\n").arg(names.size() - NamesShown);
    }
    return text + tr("\nThe keys and keychains assigned to this user will also be deleted.");
}

void UsersWidget::deleteSelected()
{
    if (!m_model || !mayEdit())
        return;
    const QString lastLogin = QSettings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"))
                                  .value(QStringLiteral("lastlogin"), QStringLiteral("user"))
                                  .toString();
    const QModelIndexList selected =
        m_proxy->mapSelectionToSource(tvUsers->selectionModel()->selection()).indexes();
    QStringList names;
    int admins = 0;
    bool connectedSelected = false;
    for (const QModelIndex &index : selected) {
        if (index.column() == UserModel::NameColumn) {
            names << index.data().toString();
            UserSettings *user = m_model->users().value(index.row());
            if (user && user->isAdmin())
                ++admins;
        } else if (index.column() == UserModel::LoginColumn) {
            if (index.data().toString() == lastLogin)
                connectedSelected = true;
        } else if (index.row() == 0) {
            return;
        }
    }
    const QString title = tr("User is about to be deleted");
    if (names.isEmpty()) {
        MessageBoxU::warning(tr("You must select the user you want to delete."), title);
        return;
    }
    if (admins >= m_model->adminCount()) {
        MessageBoxU::warning(tr("Can not delete all admins"), tr("Error"));
        return;
    }
    if (connectedSelected &&
        MessageBoxU::question(
            tr("It's not recommended to delete connected user (%1). Proceed?").arg(lastLogin),
            title, QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes) {
        setEnableAdd();
        return;
    }
    const bool confirmed =
        MessageBoxU::question(deleteQuestion(names), title,
                              QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes;
    if (confirmed)
        m_model->removeUsers(selected);
    setEnableAdd();
    if (confirmed && connectedSelected)
        emit forceDisconnect();
}
