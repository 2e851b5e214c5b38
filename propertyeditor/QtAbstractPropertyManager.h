#pragma once

#include <QIcon>
#include <QObject>
#include <QSet>
#include <QString>

class QtProperty;
class QtAbstractPropertyManagerPrivate;

// Creates, owns and describes the properties of one kind. Browsers follow the four
// signals below to keep their rows in step.
class QtAbstractPropertyManager : public QObject
{
    Q_OBJECT
public:
    explicit QtAbstractPropertyManager(QObject *parent = nullptr);
    ~QtAbstractPropertyManager() override;

    QSet<QtProperty *> properties() const;
    void clear() const;
    QtProperty *addProperty(const QString &name = QString());

signals:
    void propertyInserted(QtProperty *property, QtProperty *parent, QtProperty *after);
    void propertyChanged(QtProperty *property);
    void propertyRemoved(QtProperty *property, QtProperty *parent);
    void propertyDestroyed(QtProperty *property);

protected:
    virtual bool hasValue(const QtProperty *property) const;
    virtual QIcon valueIcon(const QtProperty *property) const;
    virtual QString valueText(const QtProperty *property) const;
    virtual QString displayText(const QtProperty *property) const;
    virtual int echoMode(const QtProperty *property) const;
    virtual void initializeProperty(QtProperty *property) = 0;
    virtual void uninitializeProperty(QtProperty *property);
    virtual QtProperty *createProperty();

private:
    // Called by a dying property: drops it from the owned set with its data.
    void releaseProperty(QtProperty *property);

    friend class QtProperty;
    QtAbstractPropertyManagerPrivate *d_ptr;
    Q_DISABLE_COPY(QtAbstractPropertyManager)
};
