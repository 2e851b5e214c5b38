#pragma once

#include "propertyeditor/QtDoublePropertyManager.h"

#include <QSizeF>

class QtSizeFPropertyManagerPrivate;

// Floating-point sizes within limits, with decimals, edited through "Width" and "Height".
class QtSizeFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizeFPropertyManager(QObject *parent = nullptr);
    ~QtSizeFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const;
    QSizeF value(const QtProperty *property) const;
    QSizeF minimum(const QtProperty *property) const;
    QSizeF maximum(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QSizeF &val);
    void setMinimum(QtProperty *property, const QSizeF &minVal);
    void setMaximum(QtProperty *property, const QSizeF &maxVal);
    void setRange(QtProperty *property, const QSizeF &minVal, const QSizeF &maxVal);
    void setDecimals(QtProperty *property, int prec);

signals:
    void valueChanged(QtProperty *property, const QSizeF &val);
    void rangeChanged(QtProperty *property, const QSizeF &minVal, const QSizeF &maxVal);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    void applyLimits(QtProperty *property, const QSizeF &minVal, const QSizeF &maxVal);

    QtSizeFPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtSizeFPropertyManager)
};
