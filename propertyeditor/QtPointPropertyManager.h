#pragma once

#include "propertyeditor/QtPointPropertyManagerBase.h"

#include <QPoint>

// Points edited through "X" and "Y" integer sub-properties.
class QtPointPropertyManager : public QtPointPropertyManagerBase<QtPointPropertyManager, QPoint>
{
    Q_OBJECT
public:
    explicit QtPointPropertyManager(QObject *parent = nullptr);
    ~QtPointPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const { return subManager(); }

signals:
    void valueChanged(QtProperty *property, const QPoint &val);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtPointPropertyManager)
};
