#pragma once

#include <QPointer>
#include <QWidget>

class IButtonModel;
class QTableView;

// The iButton keys page.
class IButtonsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit IButtonsWidget(QWidget *parent = nullptr);

    void setModel(IButtonModel *model);
    IButtonModel *model() const;

private:
    QPointer<IButtonModel> m_model;
    QTableView *m_view;
};
