#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QDate>

class QtDatePropertyManagerPrivate;

// Calendar dates within a range, shown in the short date format of the default locale.
class QtDatePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtDatePropertyManager(QObject *parent = nullptr);
    ~QtDatePropertyManager() override;

    QDate value(const QtProperty *property) const;
    QDate minimum(const QtProperty *property) const;
    QDate maximum(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QDate &val);
    void setMinimum(QtProperty *property, const QDate &minVal);
    void setMaximum(QtProperty *property, const QDate &maxVal);
    void setRange(QtProperty *property, const QDate &minVal, const QDate &maxVal);

signals:
    void valueChanged(QtProperty *property, const QDate &val);
    void rangeChanged(QtProperty *property, const QDate &minVal, const QDate &maxVal);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    void applyRange(QtProperty *property, const QDate &minVal, const QDate &maxVal);

    QtDatePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtDatePropertyManager)
};
