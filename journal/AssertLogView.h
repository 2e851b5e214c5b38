#pragma once

#include <QWidget>

class QPlainTextEdit;

// The device's debug journal.
class AssertLogView : public QWidget
{
    Q_OBJECT
public:
    explicit AssertLogView(QWidget *parent = nullptr);

    // Asks for the file the journal goes into; an empty text when none was chosen.
    QString saveDebugJournal();

private:
    QPlainTextEdit *m_pane;
};
