#pragma once

#include <QSpinBox>

// The partition number field: 1 to 99 without 17 (the executive devices' number); a field
// left empty gets its last value back.
class CustomSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CustomSpinBox(QWidget *parent = nullptr);

    int lastValue() const { return m_lastValue; }
    void setLastValue(int value) { m_lastValue = value; }
    QValidator::State validate(QString &text, int &position) const override;

signals:
    void isEnter();
    void isLeave();

protected:
    bool event(QEvent *event) override;

private:
    int m_lastValue = 0;
};
