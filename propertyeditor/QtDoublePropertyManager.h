#pragma once

#include "propertyeditor/QtNumberPropertyManager.h"

class QtDoublePropertyManager;

// Floating-point numbers within a range, with a step, decimals, a read-only flag and a suffix.
class QtDoublePropertyManager : public QtNumberPropertyManager<QtDoublePropertyManager, double>
{
    Q_OBJECT
public:
    explicit QtDoublePropertyManager(QObject *parent = nullptr);
    ~QtDoublePropertyManager() override;

    int decimals(const QtProperty *property) const { return decimalsOf(property); }
    void setDecimals(QtProperty *property, int prec) { setDecimalsOf(property, prec); }

signals:
    void valueChanged(QtProperty *property, double val);
    void rangeChanged(QtProperty *property, double minVal, double maxVal);
    void singleStepChanged(QtProperty *property, double step);
    void decimalsChanged(QtProperty *property, int prec);
    void readOnlyChanged(QtProperty *property, bool readOnly);
    void suffixChanged(QtProperty *property, const QString &suffix);

private:
    Q_DISABLE_COPY(QtDoublePropertyManager)
};
