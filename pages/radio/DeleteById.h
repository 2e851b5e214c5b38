#pragma once

#include <QWidget>

class QRadioButton;
class QSpinBox;

// A service window that deletes enrolled radio devices by number, one or a range,
// without selecting them in a list.
class DeleteById : public QWidget
{
    Q_OBJECT
public:
    explicit DeleteById(QWidget *parent = nullptr);

public slots:
    void onRemoveBtnClicked();

private:
    QRadioButton *m_one;
    QRadioButton *m_group;
    QSpinBox *m_number;
    QSpinBox *m_from;
    QSpinBox *m_to;
};
