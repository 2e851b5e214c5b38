#include "pages/radio/PartitionSelectionWidget.h"

#include "app/FocusOutCatcher.h"
#include "app/Overmind.h"
#include "app/SpaceCatcher.h"
#include "radio/Partition.h"
#include "radio/PartitionModel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>

PartitionSelectionWidget::PartitionSelectionWidget(QWidget *parent)
    : QWidget(parent), m_label(new QLabel(tr("Control partitions:"), this)),
      m_combo(new QComboBox(this))
{
    setObjectName(QStringLiteral("PartitionSelectionWidget"));
    m_label->setObjectName(QStringLiteral("lblPartitions"));
    m_combo->setObjectName(QStringLiteral("cbPartitions"));
    setMinimumSize(250, 40);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("widgetPartitions"));
    m_combo->setAccessibleName(QStringLiteral("comboPartitions"));
    m_combo->setFocusPolicy(Qt::StrongFocus);
    m_combo->setMaxVisibleItems(20);
    m_combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, layout->contentsMargins().top(), 0,
                               layout->contentsMargins().bottom());
    layout->addWidget(m_label);
    layout->addWidget(m_combo, 1);

    if (Overmind *overmind = Overmind::instance()) {
        connect(overmind, &Overmind::setKorvelType, this,
                &PartitionSelectionWidget::initPartitionList);
        connect(overmind, &Overmind::disconnected, this, [this] { m_excluded.clear(); });
    }
    installEventFilter(this);
    m_combo->setEditable(true);
    m_combo->lineEdit()->setReadOnly(true);
    m_combo->setCurrentIndex(-1);
    Overmind *overmind = Overmind::instance();
    if (!overmind || overmind->deviceInfo().execution() != 3)
        initPartitionList();

    auto *space = new SpaceCatcher(m_combo);
    m_combo->installEventFilter(space);
    connect(space, &SpaceCatcher::spaceCatched, this, &PartitionSelectionWidget::onSpace);
    auto *focusOut = new FocusOutCatcher(m_combo);
    m_combo->installEventFilter(focusOut);
    connect(focusOut, &FocusOutCatcher::focusOuted, this,
            &PartitionSelectionWidget::onComboFocusOut);
    // Runs before the catcher: marks focus losses that only follow the popup's own window.
    m_combo->installEventFilter(this);
    connect(m_combo->view(), &QAbstractItemView::clicked, this,
            &PartitionSelectionWidget::onUpdateComboClicked);
}

PartitionSelectionWidget::~PartitionSelectionWidget()
{
    // The combo loses the focus while it is destroyed; this object's filter may not run then.
    m_combo->removeEventFilter(this);
}

int PartitionSelectionWidget::partitionSlots()
{
    Overmind *overmind = Overmind::instance();
    return overmind ? overmind->deviceInfo().partitionCount() : 0;
}

QString PartitionSelectionWidget::partitionName(int partition)
{
    Overmind *overmind = Overmind::instance();
    PartitionModel *model = overmind ? overmind->partitionModel() : nullptr;
    Partition *found = model ? model->partition(partition) : nullptr;
    return found ? found->jsonKey() : tr("Partition %1").arg(partition);
}

void PartitionSelectionWidget::initPartitionList()
{
    m_combo->clear();
    QStandardItemModel *previous = m_model;
    const int count = qMax(0, partitionSlots() - 1);
    m_model = new QStandardItemModel(count, 1, this);
    for (int partition = 1; partition <= count; ++partition) {
        auto *item = new QStandardItem(tr("Partition %1").arg(partition));
        item->setCheckState(Qt::Unchecked);
        if (m_excluded.contains(partition))
            item->setFlags(Qt::ItemIsSelectable);
        else
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setData(Qt::Unchecked, Qt::CheckStateRole);
        m_model->setItem(partition - 1, 0, item);
    }
    m_combo->setModel(m_model);
    m_combo->setCurrentIndex(-1);
    delete previous;
}

quint32 PartitionSelectionWidget::partitionsMask() const
{
    if (!m_model || m_combo->model() != m_model)
        return 0;
    quint32 mask = 0;
    for (int row = 0; row < m_model->rowCount() && row < 31; ++row)
        if (m_model->item(row)->checkState() == Qt::Checked)
            mask |= 1u << (row + 1);
    return mask;
}

void PartitionSelectionWidget::applyMask(quint32 mask)
{
    if (!m_model)
        return;
    for (int row = 0; row < m_model->rowCount() && row < 31; ++row) {
        m_model->item(row)->setCheckState(mask & (1u << (row + 1)) ? Qt::Checked : Qt::Unchecked);
    }
}

void PartitionSelectionWidget::setPartitionsMask(quint32 mask)
{
    m_mask = mask;
    applyMask(mask);
    onUpdateComboClicked();
}

void PartitionSelectionWidget::onUpdateComboClicked()
{
    const quint32 mask = partitionsMask();
    QString text;
    for (int partition = 0; partition < partitionSlots() && partition < 32; ++partition) {
        if (!(mask & (1u << partition)))
            continue;
        QString name = partitionName(partition);
        // Unnamed partitions show their two digits only.
        if (name == QStringLiteral("Partition # %1").arg(partition, 2, 10, QLatin1Char('0')))
            name = name.section(QLatin1Char(' '), -1);
        text += name + QStringLiteral(", ");
    }
    text.chop(2);
    if (text.isEmpty()) {
        // Pages set every mask again on each partition change; an unchanged text is not
        // laid out again.
        if (m_combo->currentIndex() != -1)
            m_combo->setCurrentIndex(-1);
        text = tr("Not selected");
    }
    emit changed();
    if (m_combo->lineEdit()->text() != text)
        m_combo->lineEdit()->setText(text);
    if (!m_shownText.isEmpty())
        emit edited();
}

void PartitionSelectionWidget::excludePartition(int partition)
{
    if (partition <= 0 || partition >= partitionSlots() || m_excluded.contains(partition))
        return;
    if (m_excluded.isEmpty())
        m_ownPartition = partition;
    m_excluded.append(partition);
    initPartitionList();
}

void PartitionSelectionWidget::includePartition(int partition)
{
    if (partition <= 0 || partition >= partitionSlots() || partition == m_ownPartition ||
        !m_excluded.contains(partition))
        return;
    m_excluded.removeAll(partition);
    initPartitionList();
}

void PartitionSelectionWidget::setSelectionActive(bool active)
{
    if (active) {
        applyMask(m_mask);
        onUpdateComboClicked();
        return;
    }
    applyMask(0);
    m_combo->setCurrentIndex(-1);
}

void PartitionSelectionWidget::setComboEnabled(bool enabled)
{
    m_combo->setEnabled(enabled);
}

void PartitionSelectionWidget::setLabelText(const QString &text)
{
    m_label->setText(text);
}

void PartitionSelectionWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    int widest = 0;
    const QFontMetrics metrics(m_combo->view()->font());
    for (int row = 0; m_model && row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row);
        item->setText(partitionName(row + 1));
        widest = qMax(widest, metrics.horizontalAdvance(item->text()));
    }
    m_combo->view()->setMinimumWidth(widest + metrics.horizontalAdvance(QStringLiteral("pad")));
    onUpdateComboClicked();
    m_shownText = m_combo->currentText();
}

bool PartitionSelectionWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::FocusIn)
        m_combo->setFocus();
    if (watched == m_combo && event->type() == QEvent::FocusOut)
        m_popupWindowFocusLoss =
            m_combo->view()->isVisible() &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason;
    return QWidget::eventFilter(watched, event);
}

void PartitionSelectionWidget::onSpace()
{
    m_openedBySpace = true;
    m_combo->showPopup();
}

void PartitionSelectionWidget::onComboFocusOut()
{
    // While the list is open the focus stays with the box.
    if (m_popupWindowFocusLoss)
        return;
    // The popup opened with Space takes the focus; that is no leaving.
    if (!m_openedBySpace)
        emit focusOuted();
    m_openedBySpace = false;
}
