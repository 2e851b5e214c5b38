#pragma once

#include "propertyeditor/QtRectPropertyManagerBase.h"

#include <QRect>

// Rectangles, optionally kept inside a constraint, edited through "X", "Y", "Width" and
// "Height" sub-properties.
class QtRectPropertyManager : public QtRectPropertyManagerBase<QtRectPropertyManager, QRect>
{
    Q_OBJECT
public:
    explicit QtRectPropertyManager(QObject *parent = nullptr);
    ~QtRectPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const { return subManager(); }

signals:
    void valueChanged(QtProperty *property, const QRect &val);
    void constraintChanged(QtProperty *property, const QRect &constraint);

protected:
    QString textPattern() const override;
    QStringList partNames() const override;

private:
    Q_DISABLE_COPY(QtRectPropertyManager)
};
