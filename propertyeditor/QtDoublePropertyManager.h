#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

class QtDoublePropertyManagerPrivate;

// Floating-point numbers within a range, with a step, decimals, a read-only flag and a suffix.
class QtDoublePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDoublePropertyManager(QObject *parent = nullptr);
    ~QtDoublePropertyManager() override;

    double value(const QtProperty *property) const;
    double minimum(const QtProperty *property) const;
    double maximum(const QtProperty *property) const;
    double singleStep(const QtProperty *property) const;
    int decimals(const QtProperty *property) const;
    bool isReadOnly(const QtProperty *property) const;
    QString suffix(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, double val);
    void setMinimum(QtProperty *property, double minVal);
    void setMaximum(QtProperty *property, double maxVal);
    void setRange(QtProperty *property, double minVal, double maxVal);
    void setSingleStep(QtProperty *property, double step);
    void setDecimals(QtProperty *property, int prec);
    void setReadOnly(QtProperty *property, bool readOnly);
    void setSuffix(QtProperty *property, const QString &suffix);

signals:
    void valueChanged(QtProperty *property, double val);
    void rangeChanged(QtProperty *property, double minVal, double maxVal);
    void singleStepChanged(QtProperty *property, double step);
    void decimalsChanged(QtProperty *property, int prec);
    void readOnlyChanged(QtProperty *property, bool readOnly);
    void suffixChanged(QtProperty *property, const QString &suffix);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    void applyRange(QtProperty *property, double minVal, double maxVal);

    QtDoublePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtDoublePropertyManager)
};
