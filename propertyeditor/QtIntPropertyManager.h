#pragma once

#include "propertyeditor/QtNumberPropertyManager.h"

class QtIntPropertyManager;

// Whole numbers within a range, with a step, a read-only flag and a suffix.
class QtIntPropertyManager : public QtNumberPropertyManager<QtIntPropertyManager, int>
{
    Q_OBJECT
public:
    explicit QtIntPropertyManager(QObject *parent = nullptr);
    ~QtIntPropertyManager() override;

signals:
    void valueChanged(QtProperty *property, int val);
    void rangeChanged(QtProperty *property, int minVal, int maxVal);
    void singleStepChanged(QtProperty *property, int step);
    void readOnlyChanged(QtProperty *property, bool readOnly);
    void suffixChanged(QtProperty *property, const QString &suffix);

private:
    Q_DISABLE_COPY(QtIntPropertyManager)
};
