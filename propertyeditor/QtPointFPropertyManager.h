#pragma once

#include "propertyeditor/QtDoublePropertyManager.h"

#include <QPointF>

class QtPointFPropertyManagerPrivate;

// Floating-point points edited through "X" and "Y" sub-properties, with decimals.
class QtPointFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtPointFPropertyManager(QObject *parent = nullptr);
    ~QtPointFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const;
    QPointF value(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QPointF &val);
    void setDecimals(QtProperty *property, int prec);

signals:
    void valueChanged(QtProperty *property, const QPointF &val);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtPointFPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtPointFPropertyManager)
};
