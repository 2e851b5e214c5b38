#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QToolButton;

// A colour swatch and text with a button that opens the colour dialog.
class QtColorEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtColorEditWidget(QWidget *parent = nullptr);

    QColor value() const { return m_color; }
    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void setValue(const QColor &value);

signals:
    void valueChanged(const QColor &value);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void buttonClicked();

private:
    QColor chooseColor();

    QColor m_color;
    QLabel *m_pixmapLabel;
    QLabel *m_label;
    QToolButton *m_button;
};
