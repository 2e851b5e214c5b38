#pragma once

#include "propertyeditor/QtEnumPropertyManager.h"

#include <QLocale>

class QtLocalePropertyManagerPrivate;

// Locales edited through a "Language" and a "Country" enumeration.
class QtLocalePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtLocalePropertyManager(QObject *parent = nullptr);
    ~QtLocalePropertyManager() override;

    QtEnumPropertyManager *subEnumPropertyManager() const;
    QLocale value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QLocale &val);

signals:
    void valueChanged(QtProperty *property, const QLocale &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotEnumChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtLocalePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtLocalePropertyManager)
};
