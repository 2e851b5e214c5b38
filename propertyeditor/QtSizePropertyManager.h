#pragma once

#include "propertyeditor/QtSizePropertyManagerBase.h"

#include <QSize>

// Sizes within limits, edited through "Width" and "Height" sub-properties.
class QtSizePropertyManager : public QtSizePropertyManagerBase<QtSizePropertyManager, QSize>
{
    Q_OBJECT
public:
    explicit QtSizePropertyManager(QObject *parent = nullptr);
    ~QtSizePropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const { return subManager(); }

signals:
    void valueChanged(QtProperty *property, const QSize &val);
    void rangeChanged(QtProperty *property, const QSize &minVal, const QSize &maxVal);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtSizePropertyManager)
};
