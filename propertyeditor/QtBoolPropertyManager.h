#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QStringList>

class QtBoolPropertyManagerPrivate;

// Booleans shown as a check-box icon and, when visible, a caption for each state.
class QtBoolPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtBoolPropertyManager(QObject *parent = nullptr);
    ~QtBoolPropertyManager() override;

    bool value(const QtProperty *property) const;
    bool textVisible(const QtProperty *property) const;
    QStringList captions(const QtProperty *property) const;

    // The caption of one state; a list too short for it falls back to the default text.
    static QString captionOf(const QStringList &captions, bool value);

public slots:
    void setValue(QtProperty *property, bool val);
    void setTextVisible(QtProperty *property, bool textVisible);
    void setCaptions(QtProperty *property, const QStringList &captions);

signals:
    void valueChanged(QtProperty *property, bool val);
    void textVisibleChanged(QtProperty *property, bool);
    void captionsChanged(QtProperty *property, const QStringList &);

protected:
    QIcon valueIcon(const QtProperty *property) const override;
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtBoolPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtBoolPropertyManager)
};
