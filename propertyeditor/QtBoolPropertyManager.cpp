#include "propertyeditor/QtBoolPropertyManager.h"

#include <QApplication>
#include <QMap>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
struct BoolData
{
    bool value = false;
    bool textVisible = true;
    QStringList captions{QObject::tr("False"), QObject::tr("True")};
};

QIcon makeCheckBoxIcon(bool checked)
{
    QStyleOptionButton option;
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    option.state |= QStyle::State_Enabled;
    QStyle *style = QApplication::style();
    const int width = style->pixelMetric(QStyle::PM_IndicatorWidth, &option);
    const int height = style->pixelMetric(QStyle::PM_IndicatorHeight, &option);
    option.rect = QRect(0, 0, width, height);

    QPixmap pixmap(width, qMax(height, width));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        if (pixmap.height() > height)
            painter.translate(0, (pixmap.height() - height) / 2);
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    }
    return QIcon(pixmap);
}
} // namespace

class QtBoolPropertyManagerPrivate
{
public:
    QtBoolPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, BoolData> values;
    QIcon checkedIcon;
    QIcon uncheckedIcon;
};

QtBoolPropertyManager::QtBoolPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtBoolPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->checkedIcon = makeCheckBoxIcon(true);
    d_ptr->uncheckedIcon = makeCheckBoxIcon(false);
}

QtBoolPropertyManager::~QtBoolPropertyManager()
{
    clear();
    delete d_ptr;
}

QString QtBoolPropertyManager::captionOf(const QStringList &captions, bool value)
{
    const int index = value ? 1 : 0;
    if (index < captions.size())
        return captions.at(index);
    return value ? QObject::tr("True") : QObject::tr("False");
}

bool QtBoolPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it != d_ptr->values.constEnd() && it->value;
}

bool QtBoolPropertyManager::textVisible(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it != d_ptr->values.constEnd() && it->textVisible;
}

QStringList QtBoolPropertyManager::captions(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return {tr("False"), tr("True")};
    return it->captions;
}

QString QtBoolPropertyManager::valueText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd() || !it->textVisible)
        return QString();
    return captionOf(it->captions, it->value);
}

QIcon QtBoolPropertyManager::valueIcon(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QIcon();
    return it->value ? d_ptr->checkedIcon : d_ptr->uncheckedIcon;
}

void QtBoolPropertyManager::setValue(QtProperty *property, bool val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    it->value = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtBoolPropertyManager::setTextVisible(QtProperty *property, bool textVisible)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->textVisible == textVisible)
        return;
    it->textVisible = textVisible;
    emit propertyChanged(property);
    emit textVisibleChanged(property, textVisible);
}

void QtBoolPropertyManager::setCaptions(QtProperty *property, const QStringList &captions)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->captions == captions)
        return;
    it->captions = captions;
    emit captionsChanged(property, captions);
}

void QtBoolPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = BoolData();
}

void QtBoolPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
