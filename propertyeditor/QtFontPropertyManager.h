#pragma once

#include "propertyeditor/QtBoolPropertyManager.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtIntPropertyManager.h"

#include <QFont>

class QtFontPropertyManagerPrivate;

// Fonts edited through family, point size and five style switches.
class QtFontPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtFontPropertyManager(QObject *parent = nullptr);
    ~QtFontPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QtEnumPropertyManager *subEnumPropertyManager() const;
    QtBoolPropertyManager *subBoolPropertyManager() const;
    QFont value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QFont &val);

signals:
    void valueChanged(QtProperty *property, const QFont &val);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotEnumChanged(QtProperty *property, int value);
    void slotBoolChanged(QtProperty *property, bool value);
    void slotPropertyDestroyed(QtProperty *property);
    void slotFontDatabaseChanged();
    void slotFontDatabaseDelayedChange();

private:
    QtFontPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtFontPropertyManager)
};
