#pragma once

#include <QFont>
#include <QWidget>

class QLabel;
class QToolButton;

// A font sample and text with a button that opens the font dialog.
class QtFontEditWidget : public QWidget
{
    Q_OBJECT
public:
    explicit QtFontEditWidget(QWidget *parent = nullptr);

    QFont value() const { return m_font; }
    bool eventFilter(QObject *object, QEvent *event) override;

public slots:
    void setValue(const QFont &value);

signals:
    void valueChanged(const QFont &value);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void buttonClicked();

private:
    bool chooseFont(QFont *chosen);

    QFont m_font;
    QLabel *m_pixmapLabel;
    QLabel *m_label;
    QToolButton *m_button;
};
