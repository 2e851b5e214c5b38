#pragma once

#include "propertyeditor/QtEnumPropertyManager.h"

#include <QVector>

class ConstrainedEnumPropertyManagerPrivate;

// Enumerations whose names stand for device values, of which only some are offered.
class ConstrainedEnumPropertyManager : public QtEnumPropertyManager
{
    Q_OBJECT
public:
    explicit ConstrainedEnumPropertyManager(QObject *parent = nullptr);
    ~ConstrainedEnumPropertyManager() override;

    // Stores the device value of each name and offers the names that have one.
    void setEnumValues(QtProperty *property, const QVector<int> &values);
    QVector<int> &enumValues(QtProperty *property);
    QVector<int> shownIndexes(QtProperty *property) const;

private:
    ConstrainedEnumPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(ConstrainedEnumPropertyManager)
};
