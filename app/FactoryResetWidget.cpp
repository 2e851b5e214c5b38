#include "app/FactoryResetWidget.h"

#include "app/Overmind.h"
#include "link/HIDInterface.h"
#include "link/Protocol.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QSettings>
#include <QSpacerItem>

FactoryResetWidget::FactoryResetWidget(QWidget *parent) : QWidget(parent)
{
    setupUi();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowState(Qt::WindowActive);
    setWindowModality(Qt::WindowModal);
    setEnabled(true);
    m_label->setText(tr("Warning! All settings will be lost!"));
    connect(m_confirm, &QPushButton::clicked, this, &FactoryResetWidget::onConfirm);
    connect(m_cancel, &QPushButton::clicked, this, &FactoryResetWidget::close);
}

void FactoryResetWidget::setupUi()
{
    setObjectName(QStringLiteral("FactoryResetWidget"));
    setMinimumSize(1024, 200);
    setMaximumSize(1024, 200);
    auto *grid = new QGridLayout(this);
    grid->setObjectName(QStringLiteral("gridLayout"));

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    QFont big = m_label->font();
    big.setPointSize(20);
    m_label->setFont(big);
    m_label->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_label, 0, 0, 1, 5);

    m_subtitle = new QLabel(this);
    m_subtitle->setObjectName(QStringLiteral("label_2"));
    m_subtitle->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_subtitle, 1, 0, 1, 5);

    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2, 0, 1,
                  1);
    m_confirm = new QPushButton(this);
    m_confirm->setObjectName(QStringLiteral("pbConfirm"));
    m_confirm->setMinimumSize(240, 30);
    m_confirm->setIcon(QIcon(QStringLiteral(":/images/confirm.png")));
    grid->addWidget(m_confirm, 2, 1, 1, 1);
    m_wait = new QLabel(this);
    m_wait->setObjectName(QStringLiteral("lblWait"));
    m_wait->setFixedSize(64, 64);
    m_wait->setScaledContents(true);
    grid->addWidget(m_wait, 2, 2, 1, 1);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("pbCancel"));
    m_cancel->setMinimumSize(240, 30);
    m_cancel->setIcon(QIcon(QStringLiteral(":/images/delete.png")));
    grid->addWidget(m_cancel, 2, 3, 1, 1);
    grid->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum), 2, 4, 1,
                  1);
    grid->setColumnStretch(2, 1);
    retranslateUi();
}

void FactoryResetWidget::retranslateUi()
{
    setWindowTitle(tr("Restoring factory settings"));
    m_label->setText(tr("Warning! All settings will be lost!"));
    m_subtitle->setText(tr("Factory reset"));
    m_confirm->setText(tr("Confirm"));
    m_cancel->setText(tr("Cancel"));
}

void FactoryResetWidget::onConfirm()
{
    m_running = true;
    if (Overmind *overmind = Overmind::instance()) {
        if (overmind->hidInterface())
            overmind->hidInterface()->activate();
        if (overmind->protocol())
            overmind->protocol()->factoryReset();
    }
    m_confirm->hide();
    m_cancel->hide();
    m_label->setText(tr("Restoring factory settings. Do not turn off device."));
    if (!m_animation) {
        m_animation = new QMovie(QStringLiteral(":/images/wait.gif"), QByteArray(), this);
        m_wait->setMovie(m_animation);
        m_animation->start();
    }
    QSettings settings(QStringLiteral("Ardanet"), QStringLiteral("Velmis"));
    settings.setValue(QStringLiteral("lastlogin"), QLatin1String(DefaultLogin));
    // Stored in plain text on purpose: the login dialog shows this value unchanged.
    settings.setValue(QStringLiteral("password"), QLatin1String(DefaultPassword));
    settings.sync();
    emit accepted();
}

void FactoryResetWidget::closeEvent(QCloseEvent *event)
{
    // The device is being reset: the window stays until the login dialog replaces it.
    if (m_running) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void FactoryResetWidget::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    returnToFirstState();
}

void FactoryResetWidget::returnToFirstState()
{
    m_confirm->show();
    m_cancel->show();
    m_label->setText(tr("Warning! All settings will be lost!"));
    if (m_animation) {
        m_wait->setMovie(nullptr);
        m_animation->stop();
        delete m_animation;
        m_animation = nullptr;
    }
    m_wait->clear();
    m_running = false;
}
