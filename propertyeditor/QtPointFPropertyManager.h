#pragma once

#include "propertyeditor/QtPointPropertyManagerBase.h"

#include <QPointF>

// Floating-point points edited through "X" and "Y" sub-properties, with decimals.
class QtPointFPropertyManager : public QtPointPropertyManagerBase<QtPointFPropertyManager, QPointF>
{
    Q_OBJECT
public:
    explicit QtPointFPropertyManager(QObject *parent = nullptr);
    ~QtPointFPropertyManager() override;

    QtDoublePropertyManager *subDoublePropertyManager() const { return subManager(); }
    int decimals(const QtProperty *property) const { return decimalsOf(property); }
    void setDecimals(QtProperty *property, int prec) { setDecimalsOf(property, prec); }

signals:
    void valueChanged(QtProperty *property, const QPointF &val);
    void decimalsChanged(QtProperty *property, int prec);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtPointFPropertyManager)
};
