#pragma once

#include "propertyeditor/QtBoolPropertyManager.h"

class QtFlagPropertyManagerPrivate;

// Bit sets with a named boolean sub-property per bit.
class QtFlagPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtFlagPropertyManager(QObject *parent = nullptr);
    ~QtFlagPropertyManager() override;

    QtBoolPropertyManager *subBoolPropertyManager() const;
    int value(const QtProperty *property) const;
    QStringList flagNames(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, int val);
    void setFlagNames(QtProperty *property, const QStringList &names);

signals:
    void valueChanged(QtProperty *property, int val);
    void flagNamesChanged(QtProperty *property, const QStringList &names);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotBoolChanged(QtProperty *property, bool value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    void deleteFlags(QtProperty *property);

    QtFlagPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtFlagPropertyManager)
};
