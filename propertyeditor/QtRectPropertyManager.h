#pragma once

#include "propertyeditor/QtIntPropertyManager.h"

#include <QRect>

class QtRectPropertyManagerPrivate;

// Rectangles, optionally kept inside a constraint, edited through "X", "Y", "Width" and
// "Height" sub-properties.
class QtRectPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtRectPropertyManager(QObject *parent = nullptr);
    ~QtRectPropertyManager() override;

    QtIntPropertyManager *subIntPropertyManager() const;
    QRect value(const QtProperty *property) const;
    QRect constraint(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QRect &val);
    void setConstraint(QtProperty *property, const QRect &constraint);

signals:
    void valueChanged(QtProperty *property, const QRect &val);
    void constraintChanged(QtProperty *property, const QRect &constraint);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private slots:
    void slotIntChanged(QtProperty *property, int value);
    void slotPropertyDestroyed(QtProperty *property);

private:
    void pushParts(QtProperty *property, const QRect &rect);

    QtRectPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtRectPropertyManager)
};
