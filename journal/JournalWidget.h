#pragma once

#include <QPointer>
#include <QWidget>

class Journal;
class QPushButton;
class QTableView;

// The event journal page.
class JournalWidget : public QWidget
{
    Q_OBJECT
public:
    explicit JournalWidget(QWidget *parent = nullptr);

    void setJournal(Journal *journal);
    Journal *journal() const;
    // Reading is blocked while a firmware upload runs.
    void blockReading(bool blocked);
    void clearList();

private:
    QPointer<Journal> m_journal;
    QTableView *m_view;
    QPushButton *m_readAll;
};
