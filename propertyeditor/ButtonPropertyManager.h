#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

class ButtonPropertyManagerPrivate;

// Action rows drawn as a push button; every press is reported by buttonIsClicked.
class ButtonPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit ButtonPropertyManager(QObject *parent = nullptr);
    ~ButtonPropertyManager() override;

signals:
    void buttonIsClicked(QtProperty *property);

protected:
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    ButtonPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(ButtonPropertyManager)
};
