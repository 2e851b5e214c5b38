#pragma once

#include <QIcon>
#include <QList>
#include <QString>

class QtAbstractPropertyManager;
class QtPropertyPrivate;

// A named node shown by property browsers. Owned by its manager; parents never own
// their sub-properties, and one property may sit under several parents.
class QtProperty
{
public:
    virtual ~QtProperty();

    QString propertyName() const;
    void setPropertyName(const QString &text);
    QString toolTip() const;
    void setToolTip(const QString &text);
    QString statusTip() const;
    void setStatusTip(const QString &text);
    QString whatsThis() const;
    void setWhatsThis(const QString &text);
    QString helpText() const;
    void setHelpText(const QString &text);
    QString buttonText() const;
    void setButtonText(const QString &text);
    QIcon propertyIcon() const;
    void setPropertyIcon(const QIcon &icon);
    bool isEnabled() const;
    void setEnabled(bool enable);

    QtAbstractPropertyManager *propertyManager() const;
    QList<QtProperty *> subProperties() const;
    void addSubProperty(QtProperty *property);
    void insertSubProperty(QtProperty *property, QtProperty *afterProperty);

    bool hasValue() const;
    QIcon valueIcon() const;
    QString valueText() const;
    QString displayText() const;

protected:
    explicit QtProperty(QtAbstractPropertyManager *manager);

private:
    void emitChanged();
    bool closesCycle(QtProperty *property) const;

    friend class QtAbstractPropertyManager;
    QtPropertyPrivate *d_ptr;
    Q_DISABLE_COPY(QtProperty)
};
