#pragma once

#include <QWidget>

class QLineEdit;

// Takes one printable character from the keyboard; window shortcuts do not fire while it
// has the focus.
class QtCharEdit : public QWidget
{
    Q_OBJECT
public:
    explicit QtCharEdit(QWidget *parent = nullptr);

    QChar value() const { return m_value; }
    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void setValue(const QChar &value);

signals:
    void valueChanged(const QChar &value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private slots:
    void slotClearChar();

private:
    void handleKeyEvent(QKeyEvent *event);

    QChar m_value;
    QLineEdit *m_lineEdit;
};
