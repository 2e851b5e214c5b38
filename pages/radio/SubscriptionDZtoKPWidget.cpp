#include "pages/radio/SubscriptionDZtoKPWidget.h"

#include "app/Overmind.h"
#include "radio/PartitionModel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollArea>

namespace {
bool isLeakDetector(int type)
{
    return type == 29 || type == 53 || type == 55;
}

constexpr quint16 WaterZone = 6;
} // namespace

SubscriptionDZtoKPWidget::SubscriptionDZtoKPWidget(Sensor::SPtr device, const QByteArray &mask,
                                                   QWidget *parent)
    : QWidget(parent), m_device(std::move(device)), m_mask(mask.left(16))
{
    m_mask.resize(16);
    setObjectName(QStringLiteral("SubscriptionDZtoKPWidget"));
    setWindowTitle(tr("Select the DZ for crane control"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint);
    resize(400, 300);

    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrollArea"));
    scroll->setWidgetResizable(true);
    auto *contents = new QWidget;
    contents->setObjectName(QStringLiteral("scrollAreaWidgetContents"));
    m_list = new QGridLayout(contents);
    m_list->setObjectName(QStringLiteral("gridLayout_2"));
    m_list->setAlignment(Qt::AlignTop);
    scroll->setWidget(contents);
    grid->addWidget(scroll, 0, 0, 1, 3);
    auto *ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName(QStringLiteral("pbOk"));
    ok->setMinimumWidth(120);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbCancel"));
    cancel->setMinimumWidth(120);
    grid->setColumnStretch(0, 1);
    grid->addWidget(ok, 1, 1);
    grid->addWidget(cancel, 1, 2);
    connect(ok, &QPushButton::clicked, this, &SubscriptionDZtoKPWidget::acceptUsedSensors);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    Overmind *overmind = Overmind::instance();
    if (PartitionModel *partitions = overmind ? overmind->partitionModel() : nullptr) {
        for (const Sensor::SPtr &detector : partitions->sensors())
            if (detector && isLeakDetector(detector->type()))
                addDetector(detector->id(), detector->displayName());
        const Sensor::SPtr loop = partitions->loop();
        if (loop && loop->zoneType() == WaterZone)
            addDetector(LoopBit, loop->displayName());
    }
    for (int i = 0; i < m_ids.size(); ++i) {
        const int id = m_ids.at(i);
        m_boxes.at(i)->setChecked(quint8(m_mask.at(id / 8)) & (1u << (id % 8)));
    }
}

void SubscriptionDZtoKPWidget::addDetector(int id, const QString &name)
{
    if (id < 0 || id >= 128 || m_ids.contains(id))
        return;
    auto *box = new QCheckBox(name, m_list->parentWidget());
    box->setObjectName(QStringLiteral("cbDetector%1").arg(id));
    m_list->addWidget(box, m_boxes.size(), 0);
    m_ids.append(id);
    m_boxes.append(box);
}

void SubscriptionDZtoKPWidget::acceptUsedSensors()
{
    quint8 mask[16] = {};
    for (int i = 0; i < m_ids.size(); ++i)
        if (m_boxes.at(i)->isChecked())
            mask[m_ids.at(i) / 8] |= quint8(1u << (m_ids.at(i) % 8));
    if (m_device) {
        m_device->setLeakSensorMask(mask);
        m_device->writeToDevice();
    }
    close();
}
