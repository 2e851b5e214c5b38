#include "pages/comms/GSMStatusWidget.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

GSMStatusWidget::GSMStatusWidget(QWidget *parent)
    : QWidget(parent), m_power(new QLabel(this)), m_testSms(new QPushButton(this))
{
    m_power->setObjectName(QStringLiteral("lblPower"));
    m_power->setText(tr("Off"));
    m_testSms->setObjectName(QStringLiteral("pbTestSms"));
    m_testSms->setText(tr("Test SMS"));
    m_testSms->setEnabled(false);
    auto *layout = new QFormLayout(this);
    layout->addRow(tr("GSM power"), m_power);
    layout->addRow(m_testSms);
}

void GSMStatusWidget::setTestSmsEnabled(bool enabled)
{
    m_testSms->setEnabled(enabled && m_power->text() == tr("On"));
}
