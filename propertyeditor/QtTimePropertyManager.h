#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QTime>

class QtTimePropertyManagerPrivate;

// Times of day, shown in the short time format of the default locale.
class QtTimePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtTimePropertyManager(QObject *parent = nullptr);
    ~QtTimePropertyManager() override;

    QTime value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QTime &val);

signals:
    void valueChanged(QtProperty *property, const QTime &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtTimePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtTimePropertyManager)
};
