#pragma once

#include "propertyeditor/QtIntPropertyManager.h"

#include <QPoint>

class QtPointPropertyManagerPrivate;

// Points edited through "X" and "Y" integer sub-properties.
class QtPointPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtPointPropertyManager(QObject *parent = nullptr);
    ~QtPointPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QPoint value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QPoint &val);

signals:
    void valueChanged(QtProperty *property, const QPoint &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    QtPointPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtPointPropertyManager)
};
