#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

// Valueless rows that gather other properties under a heading.
class QtGroupPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtGroupPropertyManager(QObject *parent = nullptr);

protected:
    bool hasValue(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;
};
