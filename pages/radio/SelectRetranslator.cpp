#include "pages/radio/SelectRetranslator.h"

#include <QPushButton>
#include <QVBoxLayout>

SelectRetranslator::SelectRetranslator(quint16 sensorId, QWidget *parent)
    : QWidget(parent), m_sensorId(sensorId)
{
    setObjectName(QStringLiteral("SetRetranslatorForDeviceWidget"));
    setWindowTitle(tr("Set retranslator for device"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    resize(400, 300);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbCancel"));
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(cancel, 0, Qt::AlignRight);
}
