#pragma once

#include "propertyeditor/QtIntPropertyManager.h"

#include <QColor>

class QtColorPropertyManagerPrivate;

// Colours edited through "Red", "Green", "Blue" and "Alpha" sub-properties.
class QtColorPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtColorPropertyManager(QObject *parent = nullptr);
    ~QtColorPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QColor value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QColor &val);

signals:
    void valueChanged(QtProperty *property, const QColor &val);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtColorPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtColorPropertyManager)
};
