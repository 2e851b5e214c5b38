#include "update/OnlineUpdateWidget.h"

#include <QHBoxLayout>
#include <QPushButton>

OnlineUpdateWidget::OnlineUpdateWidget(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    const QStringList names = {QStringLiteral("pbUpdateCore"), QStringLiteral("pbUpdateBoot"),
                               QStringLiteral("pbUpdateRadio"), QStringLiteral("pbUpdateSensor")};
    const QStringList texts = {tr("Update firmware"), tr("Update boot loader"), tr("Update radio"),
                               tr("Update radio device")};
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new QPushButton(texts.at(i), this);
        button->setObjectName(names.at(i));
        layout->addWidget(button);
        m_updateButtons.append(button);
    }
    layout->addStretch();
}

void OnlineUpdateWidget::setBlocked(bool blocked)
{
    for (QPushButton *button : m_updateButtons)
        button->setEnabled(!blocked);
}

void OnlineUpdateWidget::clear() {}
