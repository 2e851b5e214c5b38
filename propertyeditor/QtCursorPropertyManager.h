#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QCursor>

class QtCursorPropertyManagerPrivate;

// Cursors, shown by the name and picture of their shape.
class QtCursorPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtCursorPropertyManager(QObject *parent = nullptr);
    ~QtCursorPropertyManager() override;

    QCursor value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QCursor &val);

signals:
    void valueChanged(QtProperty *property, const QCursor &val);

protected:
    QString valueText(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtCursorPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtCursorPropertyManager)
};
