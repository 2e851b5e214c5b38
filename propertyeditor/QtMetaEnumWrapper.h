#pragma once

#include <QObject>
#include <QSizePolicy>

// Exposes the size-policy enumeration to the meta-object system.
class QtMetaEnumWrapper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QSizePolicy::Policy policy READ policy)
public:
    QSizePolicy::Policy policy() const { return QSizePolicy::Ignored; }

private:
    explicit QtMetaEnumWrapper(QObject *parent) : QObject(parent) {}
};
