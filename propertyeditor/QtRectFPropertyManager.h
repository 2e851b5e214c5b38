#pragma once

#include "propertyeditor/QtRectPropertyManagerBase.h"

#include <QRectF>

// Floating-point rectangles with decimals, optionally kept inside a constraint, edited through "X",
// "Y", "Width" and "Height" sub-properties.
class QtRectFPropertyManager : public QtRectPropertyManagerBase<QtRectFPropertyManager, QRectF>
{
    Q_OBJECT
public:
    explicit QtRectFPropertyManager(QObject *parent = nullptr);
    ~QtRectFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const { return subManager(); }
    int decimals(const QtProperty *property) const { return decimalsOf(property); }
    void setDecimals(QtProperty *property, int prec) { setDecimalsOf(property, prec); }

signals:
    void valueChanged(QtProperty *property, const QRectF &val);
    void constraintChanged(QtProperty *property, const QRectF &constraint);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtRectFPropertyManager)
};
