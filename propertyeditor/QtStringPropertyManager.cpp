#include "propertyeditor/QtStringPropertyManager.h"

#include <QMap>

namespace {
struct StringData
{
    QString value;
    QRegExp regExp{QStringLiteral("*"), Qt::CaseSensitive, QRegExp::Wildcard};
    int echoMode = QLineEdit::Normal;
    bool readOnly = false;
};
} // namespace

class QtStringPropertyManagerPrivate
{
public:
    QtStringPropertyManager *q_ptr = nullptr;
    QMap<const QtProperty *, StringData> values;
};

QtStringPropertyManager::QtStringPropertyManager(QObject *parent)
    : QtAbstractPropertyManager(parent), d_ptr(new QtStringPropertyManagerPrivate)
{
    d_ptr->q_ptr = this;
}

QtStringPropertyManager::~QtStringPropertyManager()
{
    clear();
    delete d_ptr;
}

QString QtStringPropertyManager::value(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QString() : it->value;
}

QRegExp QtStringPropertyManager::regExp(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? QRegExp() : it->regExp;
}

bool QtStringPropertyManager::isReadOnly(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it != d_ptr->values.constEnd() && it->readOnly;
}

int QtStringPropertyManager::echoMode(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    return it == d_ptr->values.constEnd() ? 0 : it->echoMode;
}

QString QtStringPropertyManager::valueText(const QtProperty *property) const
{
    return value(property);
}

QString QtStringPropertyManager::displayText(const QtProperty *property) const
{
    auto it = d_ptr->values.constFind(property);
    if (it == d_ptr->values.constEnd())
        return QString();
    QLineEdit edit;
    edit.setEchoMode(static_cast<QLineEdit::EchoMode>(it->echoMode));
    edit.setText(it->value);
    return edit.displayText();
}

void QtStringPropertyManager::setValue(QtProperty *property, const QString &val)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->value == val)
        return;
    QRegExp pattern = it->regExp;
    if (pattern.isValid() && !pattern.exactMatch(val))
        return;
    it->value = val;
    emit propertyChanged(property);
    emit valueChanged(property, val);
}

void QtStringPropertyManager::setRegExp(QtProperty *property, const QRegExp &regExp)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->regExp == regExp)
        return;
    it->regExp = regExp;
    emit regExpChanged(property, regExp);
}

void QtStringPropertyManager::setEchoMode(QtProperty *property, QLineEdit::EchoMode echoMode)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->echoMode == echoMode)
        return;
    it->echoMode = echoMode;
    emit propertyChanged(property);
    emit echoModeChanged(property, echoMode);
}

void QtStringPropertyManager::setReadOnly(QtProperty *property, bool readOnly)
{
    auto it = d_ptr->values.find(property);
    if (it == d_ptr->values.end() || it->readOnly == readOnly)
        return;
    it->readOnly = readOnly;
    emit propertyChanged(property);
    emit readOnlyChanged(property, readOnly);
}

void QtStringPropertyManager::initializeProperty(QtProperty *property)
{
    d_ptr->values[property] = StringData();
}

void QtStringPropertyManager::uninitializeProperty(QtProperty *property)
{
    d_ptr->values.remove(property);
}
