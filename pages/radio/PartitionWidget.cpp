#include "pages/radio/PartitionWidget.h"

#include "app/Overmind.h"
#include "pages/radio/PartitionCommandLinkButton.h"

#include <QLabel>
#include <QPushButton>
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
    layout->addStretch();
}

bool PartitionWidget::confirmLeave()
{
    m_leaveRefused = false;
    // The page edits nothing yet, so there is never anything to save.
    return true;
}

void PartitionWidget::openCurrentSensorSettings() {}

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
