#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QKeySequence>

class QtKeySequencePropertyManagerPrivate;

// Key sequences, shown in the platform's native text form.
class QtKeySequencePropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtKeySequencePropertyManager(QObject *parent = nullptr);
    ~QtKeySequencePropertyManager() override;

    QKeySequence value(const QtProperty *property) const;

public slots:
    void setValue(QtProperty *property, const QKeySequence &val);

signals:
    void valueChanged(QtProperty *property, const QKeySequence &val);

protected:
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtKeySequencePropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtKeySequencePropertyManager)
};
