#pragma once

#include "propertyeditor/QtDoublePropertyManager.h"

#include <QRectF>

class QtRectFPropertyManagerPrivate;

// Floating-point rectangles with decimals, optionally kept inside a constraint, edited through "X",
// "Y", "Width" and "Height" sub-properties.
class QtRectFPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtRectFPropertyManager(QObject *parent = nullptr);
    ~QtRectFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const;
    QRectF value(const QtProperty *property) const;
    QRectF constraint(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QRectF &val);
    void setConstraint(QtProperty *property, const QRectF &constraint);
    void setDecimals(QtProperty *property, int prec);

signals:
    void valueChanged(QtProperty *property, const QRectF &val);
    void constraintChanged(QtProperty *property, const QRectF &constraint);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotDoubleChanged(QtProperty *property, double value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    void pushParts(QtProperty *property, const QRectF &rect);
    void setUnboundedRanges(QtProperty *property);

    QtRectFPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtRectFPropertyManager)
};
