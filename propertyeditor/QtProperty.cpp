#include "propertyeditor/QtProperty.h"

#include "propertyeditor/QtAbstractPropertyManager.h"

#include <QSet>

class QtPropertyPrivate
{
public:
    explicit QtPropertyPrivate(QtAbstractPropertyManager *owner) : manager(owner) {}

    QtProperty *q_ptr = nullptr;
    QSet<QtProperty *> parentItems;
    QList<QtProperty *> subItems;
    QString toolTip;
    QString statusTip;
    QString whatsThis;
    QString name;
    QString helpText;
    QString buttonText;
    QIcon propertyIcon;
    bool enabled = true;
    QtAbstractPropertyManager *const manager;
};

QtProperty::QtProperty(QtAbstractPropertyManager *manager) : d_ptr(new QtPropertyPrivate(manager))
{
    d_ptr->q_ptr = this;
}

QtProperty::~QtProperty()
{
    for (QtProperty *parent : qAsConst(d_ptr->parentItems))
        emit parent->d_ptr->manager->propertyRemoved(this, parent);

    d_ptr->manager->releaseProperty(this);

    for (QtProperty *sub : qAsConst(d_ptr->subItems))
        sub->d_ptr->parentItems.remove(this);
    for (QtProperty *parent : qAsConst(d_ptr->parentItems))
        parent->d_ptr->subItems.removeAll(this);

    delete d_ptr;
}

QString QtProperty::propertyName() const
{
    return d_ptr->name;
}
QString QtProperty::toolTip() const
{
    return d_ptr->toolTip;
}
QString QtProperty::statusTip() const
{
    return d_ptr->statusTip;
}
QString QtProperty::whatsThis() const
{
    return d_ptr->whatsThis;
}
QString QtProperty::helpText() const
{
    return d_ptr->helpText;
}
QString QtProperty::buttonText() const
{
    return d_ptr->buttonText;
}
QIcon QtProperty::propertyIcon() const
{
    return d_ptr->propertyIcon;
}
bool QtProperty::isEnabled() const
{
    return d_ptr->enabled;
}
QtAbstractPropertyManager *QtProperty::propertyManager() const
{
    return d_ptr->manager;
}
QList<QtProperty *> QtProperty::subProperties() const
{
    return d_ptr->subItems;
}

void QtProperty::setPropertyName(const QString &text)
{
    if (d_ptr->name == text)
        return;
    d_ptr->name = text;
    emitChanged();
}

void QtProperty::setToolTip(const QString &text)
{
    if (d_ptr->toolTip == text)
        return;
    d_ptr->toolTip = text;
    emitChanged();
}

void QtProperty::setStatusTip(const QString &text)
{
    if (d_ptr->statusTip == text)
        return;
    d_ptr->statusTip = text;
    emitChanged();
}

void QtProperty::setWhatsThis(const QString &text)
{
    if (d_ptr->whatsThis == text)
        return;
    d_ptr->whatsThis = text;
    emitChanged();
}

void QtProperty::setHelpText(const QString &text)
{
    // An empty text never wipes a help text once given.
    if (!text.isEmpty())
        d_ptr->helpText = text;
}

void QtProperty::setButtonText(const QString &text)
{
    if (d_ptr->buttonText == text)
        return;
    d_ptr->buttonText = text;
    emitChanged();
}

void QtProperty::setPropertyIcon(const QIcon &icon)
{
    d_ptr->propertyIcon = icon;
}

void QtProperty::setEnabled(bool enable)
{
    if (d_ptr->enabled == enable)
        return;
    d_ptr->enabled = enable;
    emitChanged();
}

bool QtProperty::hasValue() const
{
    return d_ptr->manager->hasValue(this);
}
QIcon QtProperty::valueIcon() const
{
    return d_ptr->manager->valueIcon(this);
}
QString QtProperty::valueText() const
{
    return d_ptr->manager->valueText(this);
}
QString QtProperty::displayText() const
{
    return d_ptr->manager->displayText(this);
}

void QtProperty::addSubProperty(QtProperty *property)
{
    QtProperty *after = d_ptr->subItems.isEmpty() ? nullptr : d_ptr->subItems.last();
    insertSubProperty(property, after);
}

bool QtProperty::closesCycle(QtProperty *property) const
{
    // Walk everything below the candidate once; meeting this property there means a cycle.
    QList<QtProperty *> pending = property->d_ptr->subItems;
    QSet<QtProperty *> seen;
    while (!pending.isEmpty()) {
        QtProperty *next = pending.takeFirst();
        if (next == this)
            return true;
        if (seen.contains(next))
            continue;
        seen.insert(next);
        pending += next->d_ptr->subItems;
    }
    return false;
}

void QtProperty::insertSubProperty(QtProperty *property, QtProperty *afterProperty)
{
    if (!property || property == this)
        return;
    if (closesCycle(property))
        return;

    int afterIndex = -1;
    const QList<QtProperty *> &subs = d_ptr->subItems;
    for (int i = 0; i < subs.size(); ++i) {
        if (subs.at(i) == property)
            return;
        if (subs.at(i) == afterProperty)
            afterIndex = i;
    }
    QtProperty *reportedAfter = afterIndex >= 0 ? afterProperty : nullptr;

    d_ptr->subItems.insert(afterIndex + 1, property);
    property->d_ptr->parentItems.insert(this);
    emit d_ptr->manager->propertyInserted(property, this, reportedAfter);
}

void QtProperty::emitChanged()
{
    emit d_ptr->manager->propertyChanged(this);
}
