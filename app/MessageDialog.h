#pragma once

#include <QDialog>
#include <QList>

class QPushButton;

// A fixed-size question with caller-given buttons; exec() returns the pressed button's
// position, or -1 when the window was closed without one.
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    MessageDialog();

    void setText(const QString &text) { m_text = text; }
    void setTitle(const QString &title) { m_title = title; }
    void addButton(const QString &text);
    int exec() override;
    int result() const { return m_result; }

public slots:
    void slotButtonPush();

private:
    void layOut();

    int m_result = -1;
    QString m_text;
    QString m_title;
    QList<QPushButton *> m_buttons;
};
