#include "pages/radio/PartitionStatus.h"

#include "app/DeviceInfo.h"
#include "app/MessageBoxU.h"
#include "app/Overmind.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "radio/Partition.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const char *const RowStyle = "QLabel {font: 56 11pt \"Segoe UI\";}";

bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}

UserSettings *currentUser()
{
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (!users)
        return nullptr;
    for (UserSettings *user : users->users())
        if (user && user->id() == overmind->currentUserId())
            return user;
    return nullptr;
}
} // namespace

PartitionStatus::PartitionStatus(Partition *partition, QWidget *parent)
    : QWidget(parent), m_partition(partition), m_caption(new QLabel(this)),
      m_icon(new QLabel(this)), m_button(new QPushButton(this))
{
    m_caption->setStyleSheet(QLatin1String(RowStyle));
    m_icon->setMaximumSize(20, 20);
    m_button->setMaximumWidth(100);
    m_button->setStyleSheet(QLatin1String(RowStyle));
    m_button->setAccessibleName(QStringLiteral("Lock%1").arg(partition ? partition->index() : 0));
    m_button->setEnabled(false);
    if (partition) {
        connect(partition, &Partition::updated, this, &PartitionStatus::partitionUpdated);
        connect(partition, &Partition::statusUpdated, this, &PartitionStatus::partitionUpdated);
        m_icon->setText(partition->stateText());
        m_caption->setText(
            QStringLiteral("%1. %2").arg(partition->number()).arg(partition->jsonKey()));
    }
    m_button->setText(tr("Lock"));
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->userModel()) {
        if (UserSettings *user = currentUser()) {
            if (partition && partition->isExecutiveDevices())
                m_button->hide();
            else if (user->canTakeOn() || user->canTakeOff())
                m_button->setEnabled(partition &&
                                     ((user->partitions() >> (partition->index() % 32)) & 1) &&
                                     !isViewingMode());
        }
    } else {
        MessageBoxU::warning(tr("User information not ready"), tr("Warning!"));
    }
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_icon);
    layout->addWidget(m_caption);
    layout->addWidget(m_button);
    connect(m_button, &QPushButton::clicked, this, &PartitionStatus::onLockButtonClicked);
    partitionUpdated();
}

void PartitionStatus::partitionUpdated()
{
    if (!m_partition)
        return;
    const quint16 number = m_partition->number();
    m_caption->setText(number == 17
                           ? m_partition->jsonKey()
                           : QStringLiteral("%1. %2").arg(number).arg(m_partition->jsonKey()));
    if (isViewingMode()) {
        m_icon->hide();
    } else {
        const QString path =
            m_partition->index() == 0
                ? QStringLiteral(":/images/siren.png")
                : PartitionCommandLinkButton::partitionStateIconPath(m_partition->state());
        m_icon->setPixmap(
            QPixmap(path).scaled(16, 16, Qt::KeepAspectRatio, Qt::FastTransformation));
        Overmind *overmind = Overmind::instance();
        if (overmind && overmind->userModel()) {
            const bool taken = DeviceInfo::isPartitionTaken(m_partition->state());
            m_button->setText(taken ? tr("Unlock") : tr("Lock"));
            if (UserSettings *user = currentUser())
                m_button->setEnabled((taken ? user->canTakeOff() : user->canTakeOn()) &&
                                     ((user->partitions() >> (m_partition->index() % 32)) & 1) &&
                                     !isViewingMode());
        }
    }
    if (m_partition->controlPartitions() != 0)
        m_button->setEnabled(false);
    m_icon->setEnabled(!m_partition->sensors().isEmpty());
}

void PartitionStatus::onLockButtonClicked()
{
    if (!m_partition)
        return;
    m_partition->setLocked(m_button->text() == tr("Lock"));
}
