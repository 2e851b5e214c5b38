#pragma once

#include <QWidget>

class QLineEdit;

// A read-only line that takes its value from key presses, with a context-menu entry clearing
// it; window shortcuts do not fire while it has the focus. The character and key-sequence
// edits say what a key press makes of their value.
class QtKeyCaptureEdit : public QWidget
{
    Q_OBJECT
public:
    bool eventFilter(QObject *object, QEvent *event) override;

protected:
    explicit QtKeyCaptureEdit(QWidget *parent = nullptr);

    // The context menu's clearing entry, whether there is anything to clear, and clearing it.
    virtual QString clearText() const = 0;
    virtual bool isEmpty() const = 0;
    virtual void clearValue() = 0;

    QLineEdit *lineEdit() const { return m_lineEdit; }
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    QLineEdit *m_lineEdit;
};
