#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QDateTime>

class QtDateTimePropertyManagerPrivate;

// Dates with times, shown in the short formats of the default locale.
class QtDateTimePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDateTimePropertyManager(QObject *parent = nullptr);
    ~QtDateTimePropertyManager() override;

    QDateTime value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QDateTime &val);

signals:
    void valueChanged(QtProperty *property, const QDateTime &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtDateTimePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtDateTimePropertyManager)
};
