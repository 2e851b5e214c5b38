#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QLineEdit>
#include <QRegExp>

class QtStringPropertyManagerPrivate;

// Texts, optionally held to a pattern, shown masked in the password echo modes.
class QtStringPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtStringPropertyManager(QObject *parent = nullptr);
    ~QtStringPropertyManager() override;

    QString value(const QtProperty *property) const;
    QRegExp regExp(const QtProperty *property) const;
    bool isReadOnly(const QtProperty *property) const;
    int echoMode(const QtProperty *property) const override;

public slots:
    void setValue(QtProperty *property, const QString &val);
    void setRegExp(QtProperty *property, const QRegExp &regExp);
    void setEchoMode(QtProperty *property, QLineEdit::EchoMode echoMode);
    void setReadOnly(QtProperty *property, bool readOnly);

signals:
    void valueChanged(QtProperty *property, const QString &val);
    void regExpChanged(QtProperty *property, const QRegExp &regExp);
    void echoModeChanged(QtProperty *property, int);
    void readOnlyChanged(QtProperty *property, bool);

protected:
    QString valueText(const QtProperty *property) const override;
    QString displayText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;

private:
    QtStringPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtStringPropertyManager)
};
