#pragma once

#include <QWidget>

class QLabel;
class QToolButton;

// A small picture and text of a value with a button that opens the value's dialog; the colour
// and font edits show their values through it.
class QtSwatchEditWidget : public QWidget
{
    Q_OBJECT
public:
    bool eventFilter(QObject *object, QEvent *event) override;

protected:
    explicit QtSwatchEditWidget(QWidget *parent = nullptr);

    void setButtonText(const QString &text);
    void showValue(const QPixmap &picture, const QString &text);
    void paintEvent(QPaintEvent *event) override;

protected slots:
    virtual void buttonClicked() = 0;

private:
    QLabel *m_pixmapLabel;
    QLabel *m_label;
    QToolButton *m_button;
};
