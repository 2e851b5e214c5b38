#pragma once

#include "propertyeditor/QtIntPropertyManager.h"

#include <QSize>

class QtSizePropertyManagerPrivate;

// Sizes within limits, edited through "Width" and "Height" sub-properties.
class QtSizePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtSizePropertyManager(QObject *parent = nullptr);
    ~QtSizePropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QSize value(const QtProperty *property) const;
    QSize minimum(const QtProperty *property) const;
    QSize maximum(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QSize &val);
    void setMinimum(QtProperty *property, const QSize &minVal);
    void setMaximum(QtProperty *property, const QSize &maxVal);
    void setRange(QtProperty *property, const QSize &minVal, const QSize &maxVal);

signals:
    void valueChanged(QtProperty *property, const QSize &val);
    void rangeChanged(QtProperty *property, const QSize &minVal, const QSize &maxVal);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    void applyLimits(QtProperty *property, const QSize &minVal, const QSize &maxVal);

    QtSizePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtSizePropertyManager)
};
