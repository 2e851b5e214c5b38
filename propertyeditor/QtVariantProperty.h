#pragma once

#include "propertyeditor/QtProperty.h"

#include <QVariant>

class QtVariantPropertyManager;
class QtVariantPropertyPrivate;

// A property of the variant manager: value and attributes as QVariant.
class QtVariantProperty : public QtProperty
{
public:
    ~QtVariantProperty() override;

    QVariant value() const;

    void setValue(const QVariant &value);
    void setAttribute(const QString &attribute, const QVariant &value);

protected:
    explicit QtVariantProperty(QtVariantPropertyManager *manager);

private:
    friend class QtVariantPropertyManager;
    QtVariantPropertyPrivate *d_ptr;
};
