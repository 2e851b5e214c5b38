#pragma once

#include "propertyeditor/QtSizePropertyManagerBase.h"

#include <QSizeF>

// Floating-point sizes within limits, with decimals, edited through "Width" and "Height".
class QtSizeFPropertyManager : public QtSizePropertyManagerBase<QtSizeFPropertyManager, QSizeF>
{
    Q_OBJECT
public:
    explicit QtSizeFPropertyManager(QObject *parent = nullptr);
    ~QtSizeFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const { return subManager(); }
    int decimals(const QtProperty *property) const { return decimalsOf(property); }
    void setDecimals(QtProperty *property, int prec) { setDecimalsOf(property, prec); }

signals:
    void valueChanged(QtProperty *property, const QSizeF &val);
    void rangeChanged(QtProperty *property, const QSizeF &minVal, const QSizeF &maxVal);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtSizeFPropertyManager)
};
