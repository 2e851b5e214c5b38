#include "app/ComboBox.h"

#include <QAbstractItemView>
#include <QTimer>

int ComboBox::minimumPopupMs = 250;

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent)
{
    connect(view(), &QAbstractItemView::clicked, this, &ComboBox::clicked);
}

void ComboBox::showPopup()
{
    m_popupShownAt.start();
    QComboBox::showPopup();
    emit popupShown();
}

void ComboBox::hidePopup()
{
    if (m_popupShownAt.isValid() && m_popupShownAt.elapsed() < minimumPopupMs)
        return;
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] {
        emit popupHidden();
        QComboBox::hidePopup();
    });
}

void ComboBox::showEvent(QShowEvent *event)
{
    QComboBox::showEvent(event);
    emit showed();
}

void ComboBox::hideEvent(QHideEvent *event)
{
    QComboBox::hideEvent(event);
    emit hided();
}
