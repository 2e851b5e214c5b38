#include "app/BaseSettingsWidget.h"

#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>

BaseSettingsWidget::BaseSettingsWidget(QWidget *parent) : QWidget(parent) {}

bool BaseSettingsWidget::hasChanges()
{
    return false;
}

void BaseSettingsWidget::saveSettings() {}

void BaseSettingsWidget::updateWidget() {}

bool BaseSettingsWidget::isLocked()
{
    return false;
}

void BaseSettingsWidget::setFocusWidget(QWidget *widget)
{
    m_focusWidget = widget;
}

void BaseSettingsWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_focusWidget)
        m_focusWidget->setFocus();
    trackMouseAboveHintLabels();
}

// Plain mouse movement only reaches the page when every widget from the help
// labels up to the window tracks the mouse.
void BaseSettingsWidget::trackMouseAboveHintLabels()
{
    static const QRegularExpression hintName(QStringLiteral("^.*Hint$"));
    const QList<QLabel *> labels = findChildren<QLabel *>(hintName);
    for (QLabel *label : labels) {
        for (QWidget *widget = label; widget; widget = widget->parentWidget()) {
            widget->setMouseTracking(true);
            if (widget->isWindow())
                break;
        }
    }
}

void BaseSettingsWidget::mouseMoveEvent(QMouseEvent *event)
{
    QWidget *child = childAt(event->pos());
    emit settingHint(child ? child->property("Hint").toString() : QString());
}
