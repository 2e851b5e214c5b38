#pragma once

#include "radio/Sensor.h"

#include <QList>
#include <QMap>
#include <QTimer>
#include <QWidget>

class ButtonFactory;
class ButtonPropertyManager;
class ConstrainedEnumEditorFactory;
class ConstrainedEnumPropertyManager;
class QtEnumPropertyManager;
class QtGroupPropertyManager;
class QtProperty;
class QtTreePropertyBrowser;
class QtVariantEditorFactory;
class QtVariantProperty;
class QtVariantPropertyManager;

// The parameter tree of one radio device as editable rows. Rows map to the device's own
// tree nodes, which live as long as the view holds the device; edits are committed
// through the nodes' setters 200 ms after the last change.
class SensorPropertiesWidget : public QWidget
{
    Q_OBJECT
public:
    explicit SensorPropertiesWidget(QWidget *parent = nullptr);
    ~SensorPropertiesWidget() override;

    // Shows the device's tree; an empty pointer leaves the view empty. A call made
    // while the view is busy refreshing or committing runs once that pass is over.
    void setSensor(const Sensor::SPtr &sensor);
    void clear();

    Sensor::SPtr sensor() const { return m_sensor; }
    // Built here when its turn has not come yet.
    QtTreePropertyBrowser *browser();
    // The row showing the node with the tag, or none.
    QtProperty *propertyForTag(const QString &tag) const;
    bool isCommitPending() const { return !m_pendingProperties.isEmpty(); }
    // Commits the edits still waiting for their timer now.
    void commitPending() { commitPendingProperty(); }

public slots:
    void onPropertyChanged(QtProperty *property);
    void onEnumPropertyChanged(QtProperty *property);
    void updateProperties();
    void onRangesUpdated(double minThreshold, double maxThreshold, QString tag);
    void onButtonPropertyChanged(QtProperty *property);
    void buttonTextUpdate(QString tag, QString text);

private:
    class Pass;

    void buildBrowser();
    void setEditConnections(bool on);
    QtProperty *buildProperty(Sensor::SensorProperty &node);
    QtProperty *buildEnumeration(Sensor::SensorProperty &node);
    QtProperty *buildButton(Sensor::SensorProperty &node);
    QtProperty *buildValue(Sensor::SensorProperty &node);
    void saveItemState();
    void restoreItemColours();
    void commitPendingProperty();
    void commitProperty(QtProperty *property);
    void onSensorStatusUpdated();
    void onReloadProperties();
    void refreshQuietly();
    void refreshProperty(QtProperty *property, Sensor::SensorProperty &node);
    void acceptEdit(QtProperty *property);
    bool isUserBarred() const;
    bool isRowEnabled(const Sensor::SensorProperty &node) const;
    void connectSensor();
    void disconnectSensor();
    void showNow(const Sensor::SPtr &sensor);
    void clearNow();
    void deferRequest(const Sensor::SPtr &sensor);
    void runDeferredRequest();

    bool reloading = false;
    QTimer commitTimer;
    // Every edited row waits with its latest value; all are committed together.
    QList<QtProperty *> m_pendingProperties;
    QtTreePropertyBrowser *m_browser = nullptr;
    QtVariantPropertyManager *m_variantManager = nullptr;
    QtEnumPropertyManager *m_enumManager = nullptr;
    ConstrainedEnumPropertyManager *m_constrainedManager = nullptr;
    QtGroupPropertyManager *m_groupManager = nullptr;
    ButtonPropertyManager *m_buttonManager = nullptr;
    Sensor::SPtr m_sensor;
    Sensor::SPtr reloadHolder;
    QMap<QString, QtVariantProperty *> propertiesByTag;
    QMap<QtProperty *, Sensor::SensorProperty *> nodesByProperty;

    int m_passDepth = 0;
    bool m_requestDeferred = false;
    bool m_requestPosted = false;
    Sensor::SPtr m_deferredSensor;
};
