#pragma once

#include "propertyeditor/QtKeyCaptureEdit.h"

// Takes one printable character from the keyboard; window shortcuts do not fire while it
// has the focus.
class QtCharEdit : public QtKeyCaptureEdit
{
    Q_OBJECT
public:
    explicit QtCharEdit(QWidget *parent = nullptr);

    QChar value() const { return m_value; }

public slots:
    void setValue(const QChar &value);

signals:
    void valueChanged(const QChar &value);

protected:
    QString clearText() const override;
    bool isEmpty() const override;
    void clearValue() override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void handleKeyEvent(QKeyEvent *event);

    QChar m_value;
};
