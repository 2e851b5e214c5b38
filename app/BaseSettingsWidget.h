#pragma once

#include <QPointer>
#include <QWidget>

// Base of every page that edits a settings object: one protocol towards the main
// window (changes, save, refill, locked) and the context help under the mouse.
class BaseSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit BaseSettingsWidget(QWidget *parent = nullptr);

    virtual bool hasChanges();
    virtual void updateWidget();
    virtual bool isLocked();

    void setFocusWidget(QWidget *widget);

public slots:
    // A slot so Save buttons connect to it and it can be invoked by name.
    virtual void saveSettings();

signals:
    void settingHint(QString hint);

protected:
    void showEvent(QShowEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void trackMouseAboveHintLabels();

    QPointer<QWidget> m_focusWidget;
};
