#include "pages/radio/PartitionWidget.h"

#include "app/Overmind.h"
#include "link/Protocol.h"
#include "pages/radio/OutSettingsWidget.h"
#include "pages/radio/PartitionCommandLinkButton.h"
#include "pages/radio/SensorItemDelegate.h"
#include "pages/radio/SensorItemModel.h"
#include "pages/radio/SensorListView.h"
#include "pages/radio/SensorSettingsWidget.h"
#include "radio/LocalOut.h"
#include "radio/Partition.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
bool isViewingMode()
{
    Overmind *overmind = Overmind::instance();
    return overmind && overmind->isViewingMode();
}
} // namespace

PartitionWidget::PartitionWidget(Partition *partition, PartitionCommandLinkButton *button,
                                 QWidget *parent)
    : QWidget(parent), m_partition(partition), m_button(button), m_title(new QLabel(this)),
      m_allowAdd(new QPushButton(this))
{
    m_title->setObjectName(QStringLiteral("lblPartitionName"));
    if (button)
        m_title->setText(button->text());
    m_allowAdd->setObjectName(QStringLiteral("pbAllowAdd"));
    m_allowAdd->setText(tr("Allow adding devices"));
    m_allowAdd->setCheckable(true);
    m_allowAdd->setEnabled(false);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_allowAdd, 0, Qt::AlignLeft);
    buildDeviceList();
}

void PartitionWidget::buildDeviceList()
{
    m_sensorModel = new SensorItemModel(m_partition, this);
    m_devices = new SensorListView(this);
    m_devices->setObjectName(QStringLiteral("lvDevices"));
    m_devices->setViewMode(QListView::IconMode);
    m_devices->setMovement(QListView::Static);
    m_devices->setResizeMode(QListView::Adjust);
    m_devices->setSpacing(20);
    m_devices->setIconSize(QSize(96, 96));
    m_devices->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_devices->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont font = m_devices->font();
    font.setPointSize(11);
    m_devices->setFont(font);
    m_devices->setModel(m_sensorModel);
    m_devices->setItemDelegate(new SensorItemDelegate(m_devices));
    m_devices->setDragEnabled(m_partition && m_partition->kind() != 0);
    connect(m_devices, &QAbstractItemView::doubleClicked, this,
            &PartitionWidget::openSensorSettings);

    m_sortType = new QComboBox(this);
    m_sortType->setObjectName(QStringLiteral("cbSortType"));
    m_sortType->addItems({tr("By id"), tr("By name")});
    m_sortType->setCurrentIndex(m_sensorModel->sortType());
    connect(m_sortType, QOverload<int>::of(&QComboBox::currentIndexChanged), m_sensorModel,
            &SensorItemModel::setSortType);
    auto *page = static_cast<QVBoxLayout *>(layout());
    page->addWidget(m_sortType, 0, Qt::AlignRight);
    page->addWidget(m_devices, 1);
    // The card list takes the height the page is given.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    policy.setVerticalStretch(1);
    setSizePolicy(policy);
}

bool PartitionWidget::confirmLeave()
{
    m_leaveRefused = false;
    // The page edits nothing yet, so there is never anything to save.
    return true;
}

void PartitionWidget::openCurrentSensorSettings()
{
    openSensorSettings(m_devices->currentIndex());
}

void PartitionWidget::openSensorSettings(const QModelIndex &index)
{
    const Sensor::SPtr device = m_sensorModel->sensorAt(index);
    if (!device || device->isReadOnly())
        return;
    // The local outputs have a window of their own.
    if (auto *output = qobject_cast<LocalOut *>(device.get())) {
        openLocalOutSettings(output);
        return;
    }
    auto *dialog = new SensorSettingsWidget(this);
    Overmind *overmind = Overmind::instance();
    if (overmind) {
        overmind->registerDialog(dialog);
        if (Protocol *link = overmind->protocol())
            connect(link, &Protocol::outputTactic, dialog, &SensorSettingsWidget::onOutputTactic);
    }
    dialog->setSensor(device);
    dialog->show();
    QTimer::singleShot(10, dialog, [dialog] { dialog->activateWindow(); });
}

void PartitionWidget::openLocalOutSettings(LocalOut *output)
{
    if (!m_outDialog) {
        m_outDialog = new OutSettingsWidget(quint16(output->index()));
        if (Overmind *overmind = Overmind::instance())
            overmind->registerDialog(m_outDialog);
        OutSettingsWidget *dialog = m_outDialog;
        connect(output, &Sensor::dataUpdated, dialog,
                [dialog, output] { dialog->setOutputData(*output->outputData()); });
        connect(output, &Sensor::tacticUpdated, dialog, &OutSettingsWidget::setTactic);
        dialog->setOutputData(*output->outputData());
    }
    OutSettingsWidget *dialog = m_outDialog;
    dialog->show();
    QTimer::singleShot(10, dialog, [dialog] { dialog->activateWindow(); });
}

void PartitionWidget::enableAllowAddButton(int radioState)
{
    m_allowAdd->setEnabled(radioState == 1 && !isViewingMode());
}

void PartitionWidget::setAddButtonAllowed(bool allowed)
{
    if (allowed && !isViewingMode()) {
        m_allowAdd->setEnabled(true);
        return;
    }
    m_allowAdd->setEnabled(false);
    m_allowAdd->setChecked(false);
}
