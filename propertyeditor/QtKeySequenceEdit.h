#pragma once

#include <QKeySequence>
#include <QWidget>

class QLineEdit;

// Records up to four key presses as a key sequence; application shortcuts do not fire
// while it has the focus.
class QtKeySequenceEdit : public QWidget
{
    Q_OBJECT
public:
    explicit QtKeySequenceEdit(QWidget *parent = nullptr);

    QKeySequence keySequence() const { return m_keySequence; }
    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void setKeySequence(const QKeySequence &sequence);

signals:
    void keySequenceChanged(const QKeySequence &sequence);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private slots:
    void slotClearShortcut();

private:
    void appendKeyPress(QKeyEvent *event);
    static int translateModifiers(Qt::KeyboardModifiers state, const QString &text);

    int m_num = 0;
    QKeySequence m_keySequence;
    QLineEdit *m_lineEdit;
};
