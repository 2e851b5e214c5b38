#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

class QtIntPropertyManagerPrivate;

// Whole numbers within a range, with a step, a read-only flag and a suffix.
class QtIntPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtIntPropertyManager(QObject *parent = nullptr);
    ~QtIntPropertyManager() override;

    int value(const QtProperty *property) const;
    int minimum(const QtProperty *property) const;
    int maximum(const QtProperty *property) const;
    int singleStep(const QtProperty *property) const;
    bool isReadOnly(const QtProperty *property) const;
    QString suffix(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, int val);
    void setMinimum(QtProperty *property, int minVal);
    void setMaximum(QtProperty *property, int maxVal);
    void setRange(QtProperty *property, int minVal, int maxVal);
    void setSingleStep(QtProperty *property, int step);
    void setReadOnly(QtProperty *property, bool readOnly);
    void setSuffix(QtProperty *property, const QString &suffix);

signals:
    void valueChanged(QtProperty *property, int val);
    void rangeChanged(QtProperty *property, int minVal, int maxVal);
    void singleStepChanged(QtProperty *property, int step);
    void readOnlyChanged(QtProperty *property, bool readOnly);
    void suffixChanged(QtProperty *property, const QString &suffix);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    void applyRange(QtProperty *property, int minVal, int maxVal);

    QtIntPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtIntPropertyManager)
};
