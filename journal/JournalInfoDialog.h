#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The full text of one journal event.
class JournalInfoDialog : public QDialog
{
    Q_OBJECT
public:
    explicit JournalInfoDialog(const QString &text);

    QString text() const { return m_text; }

public slots:
    void onClose();
    void onCopyText();

private:
    QString m_text;
    QLabel *m_label;
    QPushButton *m_close;
    QPushButton *m_copy;
};
