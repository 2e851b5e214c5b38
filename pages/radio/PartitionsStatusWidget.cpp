#include "pages/radio/PartitionsStatusWidget.h"

#include "app/Overmind.h"
#include "pages/radio/PartitionStatus.h"
#include "radio/PartitionModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

PartitionsStatusWidget::PartitionsStatusWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PartitionsStatusWidget"));
    setWindowTitle(tr("Partitions"));
    resize(300, 200);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    grid->setContentsMargins(0, 2, 0, 0);
    auto *box = new QGroupBox(tr("Partitions"), this);
    box->setObjectName(QStringLiteral("groupBox"));
    box->setMinimumWidth(200);
    grid->addWidget(box, 0, 0);
    auto *inner = new QGridLayout(box);
    inner->setObjectName(QStringLiteral("gridLayout_2"));
    m_rows = new QVBoxLayout;
    m_rows->setObjectName(QStringLiteral("partitionsLayout"));
    m_rows->setSpacing(2);
    inner->addLayout(m_rows, 1, 0, 1, 2);
    inner->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 0);
    if (Overmind *overmind = Overmind::instance())
        connect(overmind, &Overmind::ready, this, &PartitionsStatusWidget::rebuildRows);
}

void PartitionsStatusWidget::rebuildRows()
{
    Overmind *overmind = Overmind::instance();
    m_partitionCount = overmind ? overmind->deviceInfo().partitionCount() : 0;
    while (QLayoutItem *item = m_rows->takeAt(0)) {
        if (QWidget *row = item->widget()) {
            row->hide();
            row->deleteLater();
        }
        delete item;
    }
    PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr;
    for (int i = 0; partitions && i < m_partitionCount; ++i) {
        if (Partition *partition = partitions->partition(i)) {
            auto *row = new PartitionStatus(partition);
            m_rows->addWidget(row);
        }
    }
}
