#include "pages/radio/SelectRetranslator.h"

#include "app/Overmind.h"
#include "link/Protocol.h"
#include "radio/DeviceTypes.h"
#include "radio/PartitionModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

SelectRetranslator::SelectRetranslator(quint16 sensorId, QWidget *parent)
    : QWidget(parent), m_sensorId(sensorId)
{
    setObjectName(QStringLiteral("SetRetranslatorForDeviceWidget"));
    setWindowTitle(tr("Set retranslator for device"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    resize(400, 300);

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *label = new QLabel(tr("Select a repeater from the list"), this);
    label->setObjectName(QStringLiteral("label"));
    grid->addWidget(label, 0, 0, 1, 3);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listWidget"));
    grid->addWidget(m_list, 1, 0, 1, 3);
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("pbOk"));
    ok->setMinimumSize(120, 30);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbCancel"));
    cancel->setMinimumSize(120, 30);
    grid->setColumnStretch(0, 1);
    grid->addWidget(ok, 2, 1);
    grid->addWidget(cancel, 2, 2);

    m_list->addItem(tr("Reset priority"));
    m_targets.append(ResetPriority);
    m_list->addItem(tr("0. Korvel GSMR"));
    m_targets.append(Communicator);
    Overmind *overmind = Overmind::instance();
    if (PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr) {
        for (const Sensor::SPtr &device : partitions->sensors()) {
            if (!device || !isRepeaterType(device->type()) || device->id() == sensorId)
                continue;
            m_list->addItem(device->displayName());
            m_targets.append(device->id());
        }
    }

    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(ok, &QPushButton::clicked, this, &SelectRetranslator::pbOkClicked);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SelectRetranslator::pbOkClicked);
}

void SelectRetranslator::pbOkClicked()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_targets.size() || !m_list->currentItem() ||
        !m_list->currentItem()->isSelected())
        return;
    Overmind *overmind = Overmind::instance();
    if (Protocol *link = overmind ? overmind->protocol() : nullptr)
        link->setRetranslatorForSensor(m_sensorId, m_targets.at(row));
    close();
}
