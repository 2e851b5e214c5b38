#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QChar>

class QtCharPropertyManagerPrivate;

// Single characters; the null character shows as an empty text.
class QtCharPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtCharPropertyManager(QObject *parent = nullptr);
    ~QtCharPropertyManager() override;

    QChar value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QChar &val);

signals:
    void valueChanged(QtProperty *property, const QChar &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtCharPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtCharPropertyManager)
};
