#pragma once

#include "propertyeditor/QtKeyCaptureEdit.h"

#include <QKeySequence>

// Records up to four key presses as a key sequence; application shortcuts do not fire
// while it has the focus.
class QtKeySequenceEdit : public QtKeyCaptureEdit
{
    Q_OBJECT
public:
    explicit QtKeySequenceEdit(QWidget *parent = nullptr);

    QKeySequence keySequence() const { return m_keySequence; }

public slots:
    void setKeySequence(const QKeySequence &sequence);

signals:
    void keySequenceChanged(const QKeySequence &sequence);

protected:
    QString clearText() const override;
    bool isEmpty() const override;
    void clearValue() override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void appendKeyPress(QKeyEvent *event);
    static int translateModifiers(Qt::KeyboardModifiers state, const QString &text);

    int m_num = 0;
    QKeySequence m_keySequence;
};
