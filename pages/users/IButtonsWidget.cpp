#include "pages/users/IButtonsWidget.h"

#include "pages/users/IButtonModel.h"

#include <QTableView>
#include <QVBoxLayout>

IButtonsWidget::IButtonsWidget(QWidget *parent) : QWidget(parent), m_view(new QTableView(this))
{
    m_view->setObjectName(QStringLiteral("tvIButtons"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
}

void IButtonsWidget::setModel(IButtonModel *model)
{
    m_model = model;
    m_view->setModel(model);
}

IButtonModel *IButtonsWidget::model() const
{
    return m_model;
}
