#include "pages/radio/AddSensorsList.h"

#include "app/MainWindow.h"
#include "app/Overmind.h"
#include "link/Protocol.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

AddSensorsList::AddSensorsList(QWidget *parent)
    : QWidget(parent), m_title(new QLabel(this)), m_list(new QTableWidget(this)),
      m_count(new QLabel(this)), m_stop(new QPushButton(this))
{
    setObjectName(QStringLiteral("AddSensorsList"));
    setWindowTitle(tr("Add sensors"));
    resize(400, 480);
    setMinimumWidth(400);
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    m_title->setObjectName(QStringLiteral("lblTitle"));
    QFont font = m_title->font();
    font.setPointSize(12);
    m_title->setFont(font);
    m_title->setText(tr("Add sensors to partition"));
    layout->addWidget(m_title);
    m_list->setObjectName(QStringLiteral("twList"));
    m_list->setColumnCount(2);
    m_list->setHorizontalHeaderLabels({tr("#"), tr("Type")});
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->horizontalHeader()->setDefaultSectionSize(60);
    m_list->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_list);
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("horizontalLayout"));
    auto *label = new QLabel(tr("Sensors added:"), this);
    label->setObjectName(QStringLiteral("label"));
    row->addWidget(label);
    m_count->setObjectName(QStringLiteral("lblSensorsCount"));
    m_count->setMinimumWidth(50);
    m_count->setText(QStringLiteral("0"));
    row->addWidget(m_count);
    row->addItem(new QSpacerItem(463, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    m_stop->setObjectName(QStringLiteral("pbStop"));
    m_stop->setMinimumSize(200, 30);
    m_stop->setIcon(QIcon(QStringLiteral(":/images/stop.png")));
    m_stop->setText(tr("Stop"));
    row->addWidget(m_stop);
    layout->addLayout(row);
    connect(m_stop, &QPushButton::clicked, this, &AddSensorsList::onStopClicked);
    Overmind *overmind = Overmind::instance();
    if (overmind && overmind->mainWindow())
        connect(overmind->mainWindow(), &MainWindow::closeDialogs, this, &QObject::deleteLater);
}

void AddSensorsList::clearRows()
{
    m_list->setRowCount(0);
    m_listed.clear();
    m_count->setText(QStringLiteral("0"));
}

void AddSensorsList::setPartitionTitle(const QString &partition)
{
    m_title->setText(tr("Add sensors to partition %1").arg(partition));
    clearRows();
}

void AddSensorsList::setTitle(const QString &text)
{
    m_title->setText(text);
    clearRows();
}

int AddSensorsList::rowCount() const
{
    return m_list->rowCount();
}

void AddSensorsList::addSensor(Sensor::SPtr device)
{
    if (!device)
        return;
    const int number = device->id() + 1;
    // The model announces a device again when its report comes twice: one row each.
    if (m_listed.contains(number))
        return;
    m_listed.insert(number);
    const int row = m_list->rowCount();
    m_list->insertRow(row);
    m_list->setItem(row, 0, new QTableWidgetItem(QString::number(number)));
    m_list->setItem(row, 1, new QTableWidgetItem(device->typeName()));
    m_count->setText(QString::number(m_list->rowCount()));
}

void AddSensorsList::onStopClicked()
{
    Overmind *overmind = Overmind::instance();
    if (Protocol *link = overmind ? overmind->protocol() : nullptr)
        link->enableConfig(false);
}

void AddSensorsList::closeEvent(QCloseEvent *event)
{
    onStopClicked();
    event->accept();
}
