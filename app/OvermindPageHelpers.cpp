#include "app/Overmind.h"

#include "app/ClickCatcher.h"
#include "app/FactoryResetWidget.h"
#include "app/SpaceCatcher.h"
#include "pages/reporting/DirectionSettings.h"
#include "pages/users/UserModel.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QLineEdit>
#include <QStandardItemModel>

int Overmind::utf8BytesLeft(const QString &text)
{
    const int bytes = text.toUtf8().size();
    if (bytes >= 64)
        return 0;
    if (bytes == 63)
        return 1;
    return 63 - bytes;
}

bool Overmind::limitUtf8Length(const QString &text, QLineEdit *lineEdit)
{
    if (!lineEdit) {
        qWarning() << "lineEdit is not found";
        return false;
    }
    const int bytes = text.toUtf8().size();
    if (bytes >= 64)
        return false;
    const int cursor = lineEdit->cursorPosition();
    lineEdit->setMaxLength(text.size() + 64 - bytes);
    lineEdit->setCursorPosition(cursor);
    return true;
}

quint16 Overmind::checkedMask(QComboBox *comboBox)
{
    quint16 mask = 0;
    for (int i = 0; i < comboBox->count() && i < 16; ++i) {
        if (comboBox->itemData(i, Qt::CheckStateRole).toInt() != Qt::Unchecked)
            mask |= quint16(1u << i);
    }
    return mask;
}

void Overmind::setOutputGroupCount(int count)
{
    m_outputGroupNames = QStringList();
    for (int i = 0; i < count; ++i)
        m_outputGroupNames.append(QString());
}

void Overmind::setOutputGroupName(int index, const QString &name)
{
    if (index >= 0 && index < m_outputGroupNames.size())
        m_outputGroupNames[index] = name;
}

QString Overmind::outputGroupName(int index) const
{
    return index >= 0 && index < m_outputGroupNames.size() ? m_outputGroupNames.at(index)
                                                           : QString();
}

void Overmind::fillOutputGroupCombo(QComboBox *comboBox) const
{
    for (int group = 1; group <= 16; ++group)
        comboBox->addItem(QStringLiteral("%1. %2").arg(group).arg(outputGroupName(group - 1)));
    comboBox->setMaxVisibleItems(16);
}

QString Overmind::directionName(int index) const
{
    if (index == m_deviceInfo.directionCount())
        return tr("Managing user");
    return m_directionSettings ? m_directionSettings->directionName(index) : QString();
}

bool Overmind::isFirmwareOlderThan12() const
{
    return m_deviceInfo.version() < 0x0102;
}

bool Overmind::isFirmwareOlderThan14() const
{
    return m_deviceInfo.version() < 0x0104;
}

bool Overmind::hasFreeIpChannel() const
{
    int used = 0;
    for (int count : m_ipChannelCounts)
        used += count;
    return used < 4;
}

void Overmind::changeIpChannelCount(int direction, int delta)
{
    m_ipChannelCounts[direction] += delta;
}

void Overmind::hideFactoryResetWidget()
{
    if (!m_factoryResetWidget)
        return;
    if (m_factoryResetWidget->isVisible())
        resetMinimumTakeDelay();
    m_factoryResetWidget->hide();
}

void Overmind::showFactoryResetWidget()
{
    if (!m_factoryResetWidget)
        m_factoryResetWidget = new FactoryResetWidget(nullptr);
    if (!m_factoryResetWidget->isVisible())
        m_factoryResetWidget->show();
    m_factoryResetWidget->setEnabled(true);
}

// Item i of the box is partition i + 1, so the box holds one item fewer than there are
// partition slots; the walk stops at the last item.
void Overmind::fillPartitionsCombo(QComboBox *comboBox, quint32 mask)
{
    const int items = qMin(comboBox->count(), m_deviceInfo.partitionCount());
    for (int i = 0; i < items; ++i)
        comboBox->setItemData(i, (mask >> i) & 1u ? Qt::Checked : Qt::Unchecked,
                              Qt::CheckStateRole);
    updatePartitionsComboText(comboBox);
}

void Overmind::updatePartitionsComboText(QComboBox *comboBox)
{
    QStringList chosen;
    for (int slot = 1; slot < m_deviceInfo.partitionCount() && slot <= comboBox->count(); ++slot) {
        if (comboBox->itemData(slot - 1, Qt::CheckStateRole).toInt() != Qt::Checked)
            continue;
        const QString name = comboBox->itemText(slot - 1);
        const QString defaultName = tr("Partition # %1").arg(slot, 2, 10, QLatin1Char('0'));
        chosen << (name == defaultName ? name.section(QLatin1Char(' '), -1) : name);
    }
    if (chosen.isEmpty()) {
        comboBox->setCurrentIndex(-1);
        comboBox->setCurrentText(tr("Not selected"));
        return;
    }
    comboBox->setCurrentText(chosen.join(QStringLiteral(", ")));
}

// One flag for every partition box: a report shows the popup when it is set, hides it
// when it is clear, and flips it.
static bool s_partitionPopupShows = true;

static void togglePartitionPopup(QComboBox *comboBox)
{
    if (s_partitionPopupShows)
        comboBox->showPopup();
    else
        comboBox->hidePopup();
    s_partitionPopupShows = !s_partitionPopupShows;
}

void Overmind::initPartitionsCheckCombo(QComboBox *comboBox)
{
    comboBox->setEditable(true);
    comboBox->lineEdit()->setReadOnly(true);
    // Owned by the box, so they go with it.
    auto *clickCatcher = new ClickCatcher(comboBox);
    auto *spaceCatcher = new SpaceCatcher(comboBox);
    comboBox->lineEdit()->installEventFilter(clickCatcher);
    comboBox->installEventFilter(spaceCatcher);
    connect(clickCatcher, &ClickCatcher::clicked, comboBox,
            [comboBox] { togglePartitionPopup(comboBox); });
    connect(spaceCatcher, &SpaceCatcher::spaceCatched, comboBox,
            [comboBox] { togglePartitionPopup(comboBox); });

    auto *model = qobject_cast<QStandardItemModel *>(comboBox->model());
    for (int slot = 1; slot < m_deviceInfo.partitionCount(); ++slot) {
        Partition *partition = m_partitionModel ? m_partitionModel->partition(slot) : nullptr;
        const QString name = partition ? partition->jsonKey()
                                       : QCoreApplication::translate("Partition", "Partition # %1")
                                             .arg(slot, 2, 10, QLatin1Char('0'));
        auto *item = new QStandardItem(name);
        item->setData(name, Qt::AccessibleTextRole);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        if (model)
            model->appendRow(item);
        else
            delete item;
    }
    QAbstractItemView *view = comboBox->view();
    connect(view, &QAbstractItemView::doubleClicked, comboBox,
            [this, comboBox](const QModelIndex &index) {
                const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
                comboBox->setItemData(index.row(), checked ? Qt::Unchecked : Qt::Checked,
                                      Qt::CheckStateRole);
                updatePartitionsComboText(comboBox);
            });
    connect(view, &QAbstractItemView::clicked, comboBox,
            [this, comboBox] { updatePartitionsComboText(comboBox); });
}

QStringList Overmind::userPhones() const
{
    QStringList phones;
    if (!m_userModel)
        return phones;
    for (const UserSettings *user : m_userModel->users())
        phones.append(user->phoneText());
    return phones;
}
