#include "propertyeditor/QtRectFPropertyManager.h"

#include "propertyeditor/QtProperty.h"

#include <QMap>
#include <limits>

namespace {
struct RectData
{
    QRectF value{0, 0, 0, 0};
    QRectF constraint;
    int decimals = 2;
};

enum Part
{
    X,
    Y,
    Width,
    Height,
    PartCount
};

bool samePart(double a, double b)
{
    return qAbs(a - b) * 1000000000000. <= qMin(qAbs(a), qAbs(b));
}

bool sameRect(const QRectF &a, const QRectF &b)
{
    return samePart(a.x(), b.x()) && samePart(a.y(), b.y()) && samePart(a.width(), b.width()) &&
           samePart(a.height(), b.height());
}

// Moves and shrinks the rectangle until it lies inside the constraint.
QRectF fitted(QRectF rect, const QRectF &constraint)
{
    if (rect.width() > constraint.width())
        rect.setWidth(constraint.width());
    if (rect.height() > constraint.height())
        rect.setHeight(constraint.height());
    if (rect.x() < constraint.x())
        rect.moveLeft(constraint.x());
    else if (rect.x() + rect.width() > constraint.x() + constraint.width())
        rect.moveLeft(constraint.x() + constraint.width() - rect.width());
    if (rect.y() < constraint.y())
        rect.moveTop(constraint.y());
    else if (rect.y() + rect.height() > constraint.y() + constraint.height())
        rect.moveTop(constraint.y() + constraint.height() - rect.height());
    return rect;
}
} // namespace

class QtRectFPropertyManagerPrivate
{
public:
    QtRectFPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, RectData> values;
    QtDoublePropertyManager *doubleManager = nullptr;
    QMap<const QtProperty *, QtProperty *> propertyToPart[PartCount];
    QMap<const QtProperty *, QtProperty *> partToProperty[PartCount];
};

QtRectFPropertyManager::QtRectFPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtRectFPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->doubleManager = new QtDoublePropertyManager(this);
    connect(d_ptr->doubleManager, SIGNAL(valueChanged(QtProperty *, double)), this,
            SLOT(slotDoubleChanged(QtProperty *, double)));
    connect(d_ptr->doubleManager, SIGNAL(propertyDestroyed(QtProperty *)), this,
            SLOT(slotPropertyDestroyed(QtProperty *)));
}

QtRectFPropertyManager::~QtRectFPropertyManager()
{
    clear();
    delete d_ptr;
}

QtDoublePropertyManager *QtRectFPropertyManager::subDoublePropertyManager() const
{
    return d_ptr->doubleManager;
}

QRectF QtRectFPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRectF() : it->value;
}

QRectF QtRectFPropertyManager::constraint(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRectF() : it->constraint;
}

QString QtRectFPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    const QRectF &r = it->value;
    const int prec = it->decimals;
    return tr("[(%1, %2), %3 x %4]")
        .arg(QString::number(r.x(), 'f', prec), QString::number(r.y(), 'f', prec),
             QString::number(r.width(), 'f', prec), QString::number(r.height(), 'f', prec));
}

void QtRectFPropertyManager::pushParts(QtProperty *property, const QRectF &rect)
{
    const double parts[PartCount] = {rect.x(), rect.y(), rect.width(), rect.height()};
    for (int part = X; part < PartCount; ++part)
        d_ptr->doubleManager->setValue(d_ptr->propertyToPart[part].value(property), parts[part]);
}

void QtRectFPropertyManager::setValue(QtProperty *property, const QRectF &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    QRectF rect = val.normalized();
    const QRectF constraint = it->constraint;
    if (!constraint.isNull() && !constraint.contains(rect)) {
        const double left = qMax(rect.left(), constraint.left());
        const double right = qMin(rect.right(), constraint.right());
        const double top = qMax(rect.top(), constraint.top());
        const double bottom = qMin(rect.bottom(), constraint.bottom());
        rect.setCoords(left, top, right, bottom);
        if (rect.width() < 0 || rect.height() < 0)
            return; // nothing of the request lies inside the constraint
    }
    if (sameRect(rect, it->value))
        return;
    it->value = rect;
    pushParts(property, rect);
    emit propertyChanged(property);
    emit valueChanged(property, rect);
}

void QtRectFPropertyManager::setConstraint(QtProperty *property, const QRectF &constraint)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end())
        return;
    const QRectF newConstraint = constraint.normalized();
    if (sameRect(newConstraint, it->constraint))
        return;
    const QRectF old = it->value;
    QRectF rect = old;
    if (!newConstraint.isNull() && !newConstraint.contains(rect))
        rect = fitted(rect, newConstraint);
    it->constraint = newConstraint;
    it->value = rect;
    emit constraintChanged(property, newConstraint);

    const QRectF &c = newConstraint;
    if (c.isNull()) {
        setUnboundedRanges(property);
    } else {
        auto single = [](double v) { return double(float(v)); };
        QtDoublePropertyManager *doubles = d_ptr->doubleManager;
        doubles->setRange(d_ptr->propertyToPart[X].value(property), single(c.left()),
                          single(c.left() + c.width()));
        doubles->setRange(d_ptr->propertyToPart[Y].value(property), single(c.top()),
                          single(c.top() + c.height()));
        doubles->setRange(d_ptr->propertyToPart[Width].value(property), 0, single(c.width()));
        doubles->setRange(d_ptr->propertyToPart[Height].value(property), 0, single(c.height()));
    }
    pushParts(property, rect);

    if (!sameRect(rect, old)) {
        emit propertyChanged(property);
        emit valueChanged(property, rect);
    }
}

void QtRectFPropertyManager::setUnboundedRanges(QtProperty *property)
{
    const double most = std::numeric_limits<float>::max();
    QtDoublePropertyManager *doubles = d_ptr->doubleManager;
    doubles->setRange(d_ptr->propertyToPart[X].value(property), -most, most);
    doubles->setRange(d_ptr->propertyToPart[Y].value(property), -most, most);
    doubles->setRange(d_ptr->propertyToPart[Width].value(property), 0, most);
    doubles->setRange(d_ptr->propertyToPart[Height].value(property), 0, most);
}

int QtRectFPropertyManager::decimals(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->decimals;
}

void QtRectFPropertyManager::setDecimals(QtProperty *property, int prec)
{
    auto it = d_ptr->values.find(property);
    prec = qBound(0, prec, 13);
    if (it == d_ptr->values.end() || it->decimals == prec)
        return;
    for (int part = X; part < PartCount; ++part)
        d_ptr->doubleManager->setDecimals(d_ptr->propertyToPart[part].value(property), prec);
    d_ptr->values[property].decimals = prec;
    emit decimalsChanged(property, prec);
}

void QtRectFPropertyManager::slotDoubleChanged(QtProperty *sub, double value)
{
    for (int part = X; part < PartCount; ++part) {
        QtProperty *property = d_ptr->partToProperty[part].value(sub);
        if (!property)
            continue;
        const RectData data = d_ptr->values.value(property);
        QRectF rect = data.value;
        const QRectF &c = data.constraint;
        switch (part) {
        case X:
            rect.moveLeft(value);
            break;
        case Y:
            rect.moveTop(value);
            break;
        case Width:
            rect.setWidth(value);
            if (!c.isNull() && c.x() + c.width() < rect.x() + rect.width())
                rect.moveLeft(c.left() + c.width() - rect.width());
            break;
        default:
            rect.setHeight(value);
            if (!c.isNull() && c.y() + c.height() < rect.y() + rect.height())
                rect.moveTop(c.top() + c.height() - rect.height());
            break;
        }
        setValue(property, rect);
        return;
    }
}

void QtRectFPropertyManager::slotPropertyDestroyed(QtProperty *sub)
{
    for (int part = X; part < PartCount; ++part) {
        if (QtProperty *property = d_ptr->partToProperty[part].take(sub)) {
            d_ptr->propertyToPart[part][property] = nullptr;
            return;
        }
    }
}

void QtRectFPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = RectData();
    const QString names[PartCount] = {tr("X"), tr("Y"), tr("Width"), tr("Height")};
    for (int part = X; part < PartCount; ++part) {
        QtProperty *sub = d_ptr->doubleManager->addProperty();
        sub->setPropertyName(names[part]);
        d_ptr->doubleManager->setDecimals(sub, 2);
        d_ptr->doubleManager->setValue(sub, 0);
        if (part == Width || part == Height)
            d_ptr->doubleManager->setMinimum(sub, 0);
        d_ptr->propertyToPart[part][property] = sub;
        d_ptr->partToProperty[part][sub] = property;
        property->addSubProperty(sub);
    }
}

void QtRectFPropertyManager::uninitializeProperty(QtProperty *property)
{
    for (int part = X; part < PartCount; ++part) {
        if (QtProperty *sub = d_ptr->propertyToPart[part].take(property)) {
            d_ptr->partToProperty[part].remove(sub);
            delete sub;
        }
    }
    d_ptr->values.remove(property);
}
