#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QMap>
#include <QStringList>

class QtEnumPropertyManagerPrivate;

// A choice among named entries, held as the index of the chosen name.
class QtEnumPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtEnumPropertyManager(QObject *parent = nullptr);
    ~QtEnumPropertyManager() override;

    int value(const QtProperty *property) const;
    QStringList enumNames(const QtProperty *property) const;
    QMap<int, QIcon> enumIcons(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, int val);
    void setEnumNames(QtProperty *property, const QStringList &names);
    void setEnumIcons(QtProperty *property, const QMap<int, QIcon> &icons);

signals:
    void valueChanged(QtProperty *property, int val);
    void enumNamesChanged(QtProperty *property, const QStringList &names);
    void enumIconsChanged(QtProperty *property, const QMap<int, QIcon> &icons);

protected:
    QIcon valueIcon(const QtProperty *property) const override;
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtEnumPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtEnumPropertyManager)
};
