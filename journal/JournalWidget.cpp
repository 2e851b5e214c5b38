#include "journal/JournalWidget.h"

#include "journal/Journal.h"

#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

JournalWidget::JournalWidget(QWidget *parent)
    : QWidget(parent), m_view(new QTableView(this)), m_readAll(new QPushButton(this))
{
    m_view->setObjectName(QStringLiteral("tvJournal"));
    m_readAll->setObjectName(QStringLiteral("ReadlAll"));
    m_readAll->setText(tr("Read all"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_readAll, 0, Qt::AlignLeft);
    layout->addWidget(m_view);
}

void JournalWidget::setJournal(Journal *journal)
{
    m_journal = journal;
    m_view->setModel(journal);
}

Journal *JournalWidget::journal() const
{
    return m_journal;
}

void JournalWidget::blockReading(bool blocked)
{
    m_readAll->setEnabled(!blocked);
}

void JournalWidget::clearList()
{
    if (!m_journal)
        return;
    m_view->setModel(nullptr);
    m_view->setModel(m_journal);
}
