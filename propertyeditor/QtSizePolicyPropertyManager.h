#pragma once

#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"

#include <QSizePolicy>

class QtSizePolicyPropertyManagerPrivate;

// Size policies edited through two policy enumerations and two stretch numbers.
class QtSizePolicyPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizePolicyPropertyManager(QObject *parent = nullptr);
    ~QtSizePolicyPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QtEnumPropertyManager *subEnumPropertyManager() const;
    QSizePolicy value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QSizePolicy &val);

signals:
    void valueChanged(QtProperty *property, const QSizePolicy &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotEnumChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtSizePolicyPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtSizePolicyPropertyManager)
};
