#include "pages/radio/SensorPropertiesWidget.h"

#include "app/IconCache.h"
#include "app/Overmind.h"
#include "app/StepQueue.h"
#include "pages/users/UserModel.h"
#include "pages/users/UserSettings.h"
#include "propertyeditor/ButtonFactory.h"
#include "propertyeditor/ButtonPropertyManager.h"
#include "propertyeditor/ConstrainedEnumEditorFactory.h"
#include "propertyeditor/ConstrainedEnumPropertyManager.h"
#include "propertyeditor/QtEnumPropertyManager.h"
#include "propertyeditor/QtGroupPropertyManager.h"
#include "propertyeditor/QtTreePropertyBrowser.h"
#include "propertyeditor/QtVariantEditorFactory.h"
#include "propertyeditor/QtVariantProperty.h"
#include "propertyeditor/QtVariantPropertyManager.h"

#include <QRegExp>
#include <QVBoxLayout>

namespace {
using Node = Sensor::SensorProperty;

const QColor InitialColour(210, 210, 210, 255);

QIcon groupIcon()
{
    return IconCache::icon(QStringLiteral(":/images/load_config.png"));
}

QIcon editIcon()
{
    return IconCache::icon(QStringLiteral(":/images/hammer_and_wrench.png"));
}

int variantType(Node::Kind kind)
{
    switch (kind) {
    case Node::String:
        return QVariant::String;
    case Node::Integer:
        return QVariant::Int;
    case Node::Boolean:
        return QVariant::Bool;
    case Node::Double:
        return QVariant::Double;
    default:
        return QVariant::Invalid;
    }
}
} // namespace

// Marks the view busy while it calls into the device: a getter or setter may make the
// page ask for another device, which must not tear down the rows being walked. It also
// keeps the device alive until the pass is over.
class SensorPropertiesWidget::Pass
{
public:
    explicit Pass(SensorPropertiesWidget *view) : m_view(view), m_hold(view->m_sensor)
    {
        ++m_view->m_passDepth;
    }
    ~Pass() { --m_view->m_passDepth; }
    Pass(const Pass &) = delete;
    Pass &operator=(const Pass &) = delete;

private:
    SensorPropertiesWidget *m_view;
    Sensor::SPtr m_hold;
};

SensorPropertiesWidget::SensorPropertiesWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SensorPropertiesWidget"));
    resize(200, 400);
    auto *layout = new QVBoxLayout(this);
    layout->setObjectName(QStringLiteral("verticalLayout"));
    layout->setContentsMargins(0, 0, 0, 0);
    commitTimer.setInterval(200);
    commitTimer.setSingleShot(true);
    connect(&commitTimer, &QTimer::timeout, this, &SensorPropertiesWidget::commitPendingProperty);
    // Every partition page has a view: built all at once they held the window for the
    // whole set, so each is built in a turn of its own, or at once when first needed.
    StepQueue::instance()->post(this, [this] { buildBrowser(); });
}

void SensorPropertiesWidget::buildBrowser()
{
    if (m_browser)
        return;
    m_browser = new QtTreePropertyBrowser(this);
    m_variantManager = new QtVariantPropertyManager;
    m_enumManager = new QtEnumPropertyManager;
    m_constrainedManager = new ConstrainedEnumPropertyManager;
    m_groupManager = new QtGroupPropertyManager;
    m_buttonManager = new ButtonPropertyManager;
    layout()->addWidget(m_browser);
    m_browser->setRootIsDecorated(false);
    m_browser->setHeaderVisible(false);
    m_browser->setFactoryForManager(m_variantManager, new QtVariantEditorFactory(this));
    m_browser->setFactoryForManager(m_constrainedManager, new ConstrainedEnumEditorFactory(this));
    m_browser->setFactoryForManager(m_buttonManager, new ButtonFactory(this));
    setEditConnections(true);
}

QtTreePropertyBrowser *SensorPropertiesWidget::browser()
{
    buildBrowser();
    return m_browser;
}

SensorPropertiesWidget::~SensorPropertiesWidget()
{
    commitTimer.stop();
    disconnectSensor();
    if (m_browser) {
        setEditConnections(false);
        m_browser->clear();
        delete m_variantManager;
        delete m_enumManager;
        delete m_constrainedManager;
        delete m_groupManager;
        delete m_buttonManager;
    }
    propertiesByTag.clear();
    nodesByProperty.clear();
    reloadHolder.reset();
    m_sensor.reset();
}

void SensorPropertiesWidget::setEditConnections(bool on)
{
    if (on) {
        connect(m_variantManager, &QtAbstractPropertyManager::propertyChanged, this,
                &SensorPropertiesWidget::onPropertyChanged, Qt::UniqueConnection);
        connect(m_constrainedManager, &QtAbstractPropertyManager::propertyChanged, this,
                &SensorPropertiesWidget::onEnumPropertyChanged, Qt::UniqueConnection);
        connect(m_buttonManager, &ButtonPropertyManager::buttonIsClicked, this,
                &SensorPropertiesWidget::onButtonPropertyChanged, Qt::UniqueConnection);
        return;
    }
    disconnect(m_variantManager, &QtAbstractPropertyManager::propertyChanged, this,
               &SensorPropertiesWidget::onPropertyChanged);
    disconnect(m_constrainedManager, &QtAbstractPropertyManager::propertyChanged, this,
               &SensorPropertiesWidget::onEnumPropertyChanged);
    disconnect(m_buttonManager, &ButtonPropertyManager::buttonIsClicked, this,
               &SensorPropertiesWidget::onButtonPropertyChanged);
}

void SensorPropertiesWidget::setSensor(const Sensor::SPtr &sensor)
{
    // The reference may be reloadHolder itself, which showing releases.
    const Sensor::SPtr wanted = sensor;
    if (m_passDepth > 0) {
        deferRequest(wanted);
        return;
    }
    m_requestDeferred = false;
    showNow(wanted);
}

void SensorPropertiesWidget::clear()
{
    if (m_passDepth > 0) {
        deferRequest(nullptr);
        return;
    }
    m_requestDeferred = false;
    clearNow();
}

void SensorPropertiesWidget::deferRequest(const Sensor::SPtr &sensor)
{
    m_deferredSensor = sensor;
    m_requestDeferred = true;
    if (m_requestPosted)
        return;
    m_requestPosted = true;
    QMetaObject::invokeMethod(
        this, [this] { runDeferredRequest(); }, Qt::QueuedConnection);
}

void SensorPropertiesWidget::runDeferredRequest()
{
    m_requestPosted = false;
    if (!m_requestDeferred)
        return;
    m_requestDeferred = false;
    const Sensor::SPtr wanted = std::move(m_deferredSensor);
    m_deferredSensor.reset();
    if (wanted)
        showNow(wanted);
    else
        clearNow();
}

void SensorPropertiesWidget::showNow(const Sensor::SPtr &sensor)
{
    clearNow();
    if (!sensor)
        return;
    buildBrowser();
    reloading = false;
    m_sensor = sensor;
    reloadHolder.reset();

    setEditConnections(false);
    {
        Pass pass(this);
        Node &root = m_sensor->propertyTree();
        QtProperty *rootProperty = buildProperty(root);
        nodesByProperty.remove(rootProperty);
        if (rootProperty) {
            for (QtProperty *top : rootProperty->subProperties()) {
                QtBrowserItem *item = m_browser->addProperty(top);
                Node *node = nodesByProperty.value(top);
                if (item && node && node->kind == Node::Group)
                    m_browser->setExpanded(item, node->expanded == 1);
            }
        }
        connectSensor();
        restoreItemColours();
    }
    setEditConnections(true);
}

void SensorPropertiesWidget::clearNow()
{
    commitPendingProperty();
    saveItemState();
    disconnectSensor();
    m_sensor.reset();
    if (m_browser) {
        setEditConnections(false);
        m_browser->clear();
        m_variantManager->clear();
        m_enumManager->clear();
        m_constrainedManager->clear();
        m_groupManager->clear();
        m_buttonManager->clear();
        setEditConnections(true);
    }
    propertiesByTag.clear();
    nodesByProperty.clear();
    m_pendingProperties.clear();
}

void SensorPropertiesWidget::connectSensor()
{
    Sensor *device = m_sensor.get();
    connect(device, &Sensor::statusUpdated, this, &SensorPropertiesWidget::onSensorStatusUpdated);
    connect(device, &Sensor::dataUpdated, this, &SensorPropertiesWidget::updateProperties);
    connect(device, &Sensor::reloadProperties, this, &SensorPropertiesWidget::onReloadProperties);
    connect(device, &Sensor::rangesUpdated, this, &SensorPropertiesWidget::onRangesUpdated);
    connect(device, &Sensor::buttonTextUpdate, this, &SensorPropertiesWidget::buttonTextUpdate);
}

void SensorPropertiesWidget::disconnectSensor()
{
    Sensor *device = m_sensor.get();
    if (!device)
        return;
    disconnect(device, &Sensor::statusUpdated, this,
               &SensorPropertiesWidget::onSensorStatusUpdated);
    disconnect(device, &Sensor::dataUpdated, this, &SensorPropertiesWidget::updateProperties);
    disconnect(device, &Sensor::reloadProperties, this,
               &SensorPropertiesWidget::onReloadProperties);
    disconnect(device, &Sensor::rangesUpdated, this, &SensorPropertiesWidget::onRangesUpdated);
    disconnect(device, &Sensor::buttonTextUpdate, this, &SensorPropertiesWidget::buttonTextUpdate);
}

bool SensorPropertiesWidget::isRowEnabled(const Node &node) const
{
    if (!m_sensor || m_sensor->isReadOnly() || node.enabled == 0)
        return false;
    if (node.kind == Node::ActionButton)
        return true;
    return !(node.editable == 1 && !node.setter);
}

QtProperty *SensorPropertiesWidget::buildProperty(Node &node)
{
    QtProperty *property = nullptr;
    switch (node.kind) {
    case Node::Group:
        property = m_groupManager->addProperty(node.caption);
        property->setPropertyIcon(groupIcon());
        for (Node &child : node.children) {
            if (QtProperty *sub = buildProperty(child))
                property->addSubProperty(sub);
        }
        nodesByProperty.insert(property, &node);
        return property;
    case Node::Enumeration:
        property = buildEnumeration(node);
        break;
    case Node::ActionButton:
        property = buildButton(node);
        break;
    case Node::String:
    case Node::Integer:
    case Node::Boolean:
    case Node::Double:
        property = buildValue(node);
        break;
    }
    if (!property)
        return nullptr;
    nodesByProperty.insert(property, &node);
    property->setEnabled(isRowEnabled(node));
    return property;
}

QtProperty *SensorPropertiesWidget::buildEnumeration(Node &node)
{
    QtEnumPropertyManager *manager = m_enumManager;
    QtProperty *property = nullptr;
    if (node.editable != 0) {
        manager = m_constrainedManager;
        property = manager->addProperty(node.caption);
        property->setPropertyIcon(editIcon());
        m_constrainedManager->setEnumValues(property, node.valuesGetter());
    } else {
        property = manager->addProperty(node.caption);
    }
    manager->setEnumNames(property, node.captionsGetter());
    property->setHelpText(node.caption);
    manager->setValue(property, node.getter().toInt());
    return property;
}

QtProperty *SensorPropertiesWidget::buildButton(Node &node)
{
    QtProperty *property = m_buttonManager->addProperty(node.caption);
    property->setHelpText(node.caption);
    property->setPropertyIcon(editIcon());
    property->setButtonText(node.buttonTextGetter ? node.buttonTextGetter()
                                                  : node.captions.value(0));
    return property;
}

QtProperty *SensorPropertiesWidget::buildValue(Node &node)
{
    QtVariantProperty *property =
        m_variantManager->addProperty(variantType(node.kind), node.caption);
    if (!property)
        return nullptr;
    propertiesByTag.insert(node.tag, property);
    property->setValue(node.getter());
    property->setHelpText(node.caption);
    if (node.editable == 0)
        property->setAttribute(QStringLiteral("readOnly"), true);
    else
        property->setPropertyIcon(editIcon());
    property->setAttribute(QStringLiteral("suffix"), node.suffix);
    property->setAttribute(QStringLiteral("captions"), node.captions);
    if (node.kind == Node::String && !node.regExp.isEmpty())
        property->setAttribute(QStringLiteral("regExp"),
                               QRegExp(node.regExp, Qt::CaseSensitive, QRegExp::RegExp));
    const bool ranged = node.kind == Node::Integer || node.kind == Node::Double;
    if (ranged && node.editable == 1) {
        property->setAttribute(QStringLiteral("maximum"), node.maximum);
        property->setAttribute(QStringLiteral("minimum"), node.minimum);
    }
    if (node.kind == Node::Double) {
        property->setAttribute(QStringLiteral("decimals"), node.decimals);
        property->setAttribute(QStringLiteral("singleStep"), node.singleStep);
    }
    return property;
}

QtProperty *SensorPropertiesWidget::propertyForTag(const QString &tag) const
{
    for (auto it = nodesByProperty.cbegin(); it != nodesByProperty.cend(); ++it) {
        if (it.value()->tag == tag)
            return it.key();
    }
    return nullptr;
}

void SensorPropertiesWidget::saveItemState()
{
    if (!m_sensor)
        return;
    Pass pass(this);
    for (auto it = nodesByProperty.cbegin(); it != nodesByProperty.cend(); ++it) {
        const QList<QtBrowserItem *> items = m_browser->items(it.key());
        if (items.isEmpty())
            continue;
        Node *node = it.value();
        if (node->kind == Node::Group)
            node->expanded = m_browser->isExpanded(items.first()) ? 1 : 0;
        if (node->colourGetter)
            node->colour = node->colourGetter();
    }
}

void SensorPropertiesWidget::restoreItemColours()
{
    if (!m_sensor || !m_sensor->isInTouch())
        return;
    for (auto it = nodesByProperty.cbegin(); it != nodesByProperty.cend(); ++it) {
        const Node *node = it.value();
        if (!node->colourGetter || node->colour == InitialColour)
            continue;
        const QList<QtBrowserItem *> items = m_browser->items(it.key());
        if (!items.isEmpty())
            m_browser->setBackgroundColor(items.first(), node->colour);
    }
}

void SensorPropertiesWidget::updateProperties()
{
    refreshQuietly();
}

void SensorPropertiesWidget::onSensorStatusUpdated()
{
    refreshQuietly();
}

// Values that come from the device are never taken for the user's edits.
void SensorPropertiesWidget::refreshQuietly()
{
    if (!m_sensor)
        return;
    setEditConnections(false);
    {
        Pass pass(this);
        const QList<QtProperty *> properties = nodesByProperty.keys();
        for (QtProperty *property : properties) {
            // A page request cannot run inside the pass, so every mapped row stays alive.
            if (Node *node = nodesByProperty.value(property))
                refreshProperty(property, *node);
        }
    }
    setEditConnections(true);
}

void SensorPropertiesWidget::refreshProperty(QtProperty *property, Node &node)
{
    const QList<QtBrowserItem *> items = m_browser->items(property);
    if (items.isEmpty())
        return;
    QtBrowserItem *item = items.first();
    if (node.colourGetter) {
        const QColor colour = node.colourGetter();
        if (node.enabled == 0)
            m_browser->setBackgroundColor(item, Qt::transparent);
        else if (colour != m_browser->backgroundColor(item) && m_sensor->isInTouch())
            m_browser->setBackgroundColor(item, colour);
    }
    property->setPropertyName(node.caption);
    if (node.kind == Node::Group)
        return;
    property->setEnabled(isRowEnabled(node));
    // An edit waiting for its commit keeps what the user chose.
    if (m_pendingProperties.contains(property))
        return;
    if (node.kind == Node::Enumeration) {
        QtEnumPropertyManager *manager = node.editable != 0 ? m_constrainedManager : m_enumManager;
        const int index = node.getter().toInt();
        if (manager->value(property) != index)
            manager->setValue(property, index);
        return;
    }
    if (node.kind == Node::ActionButton || m_variantManager->isEditorOpen())
        return;
    QtVariantProperty *value = m_variantManager->variantProperty(property);
    const QVariant current = node.getter();
    if (value && value->value() != current)
        value->setValue(current);
}

bool SensorPropertiesWidget::isUserBarred() const
{
    Overmind *overmind = Overmind::instance();
    UserModel *users = overmind ? overmind->userModel() : nullptr;
    if (!users)
        return false;
    const int id = overmind->currentUserId();
    if (id < 0 || id > 0xFF)
        return false;
    const UserSettings *user = users->userById(quint8(id));
    return user && !user->isAdmin();
}

void SensorPropertiesWidget::acceptEdit(QtProperty *property)
{
    Overmind *overmind = Overmind::instance();
    const bool loaded = overmind && overmind->isSettingsLoaded();
    if (!nodesByProperty.contains(property) || !loaded || isUserBarred())
        return;
    if (!m_pendingProperties.contains(property))
        m_pendingProperties.append(property);
    commitTimer.start();
}

void SensorPropertiesWidget::onPropertyChanged(QtProperty *property)
{
    acceptEdit(property);
}

void SensorPropertiesWidget::onEnumPropertyChanged(QtProperty *property)
{
    acceptEdit(property);
}

void SensorPropertiesWidget::commitPendingProperty()
{
    commitTimer.stop();
    if (m_pendingProperties.isEmpty())
        return;
    const QList<QtProperty *> pending = m_pendingProperties;
    m_pendingProperties.clear();
    Pass pass(this);
    for (QtProperty *property : pending)
        commitProperty(property);
}

void SensorPropertiesWidget::commitProperty(QtProperty *property)
{
    Node *node = nodesByProperty.value(property);
    if (!node || node->editable != 1 || !property->isEnabled() || !node->setter)
        return;
    if (node->kind == Node::Enumeration) {
        const QVector<int> &values = m_constrainedManager->enumValues(property);
        const int index = m_constrainedManager->value(property);
        // Without a chosen row there is no device value to send.
        if (index < 0 || index >= values.size())
            return;
        node->setter(QVariant(int(values.at(index))));
        return;
    }
    if (QtVariantProperty *value = m_variantManager->variantProperty(property))
        node->setter(value->value());
}

void SensorPropertiesWidget::onButtonPropertyChanged(QtProperty *property)
{
    Node *node = nodesByProperty.value(property);
    if (!node || !node->setter)
        return;
    Pass pass(this);
    node->setter(QVariant(true));
}

void SensorPropertiesWidget::buttonTextUpdate(QString tag, QString text)
{
    for (auto it = nodesByProperty.cbegin(); it != nodesByProperty.cend(); ++it) {
        QtProperty *property = it.key();
        if (property->propertyManager() == m_buttonManager && property->propertyName() == tag) {
            property->setButtonText(text);
            return;
        }
    }
}

void SensorPropertiesWidget::onRangesUpdated(double minThreshold, double maxThreshold, QString tag)
{
    QString lower;
    QString upper;
    if (tag == QLatin1String("vti_temperature_group") || tag == QLatin1String("ip_group")) {
        lower = QStringLiteral("min_temperature_threshold");
        upper = QStringLiteral("max_temperature_threshold");
    } else if (tag == QLatin1String("vti_humidity_group")) {
        lower = QStringLiteral("min_humidity_threshold");
        upper = QStringLiteral("max_humidity_threshold");
    } else {
        return;
    }
    if (QtVariantProperty *property = propertiesByTag.value(lower))
        property->setAttribute(QStringLiteral("maximum"), maxThreshold);
    if (QtVariantProperty *property = propertiesByTag.value(upper))
        property->setAttribute(QStringLiteral("minimum"), minThreshold);
}

void SensorPropertiesWidget::onReloadProperties()
{
    reloadHolder = m_sensor;
    reloading = true;
    setSensor(reloadHolder);
}
