#pragma once

#include "propertyeditor/QtAbstractPropertyManager.h"
#include "propertyeditor/QtVariantProperty.h"

#include <QCursor>
#include <QDateTime>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QLocale>
#include <QMap>
#include <QRegExp>
#include <QSizePolicy>

using QtIconMap = QMap<int, QIcon>;

class QtVariantPropertyManagerPrivate;

// One interface for properties of many value types: each variant property wraps a
// property of the typed manager for its type, and values and attributes travel as QVariant.
class QtVariantPropertyManager : public QtAbstractPropertyManager
{
    Q_OBJECT
public:
    explicit QtVariantPropertyManager(QObject *parent = nullptr);
    ~QtVariantPropertyManager() override;

    virtual QtVariantProperty *addProperty(int propertyType, const QString &name = QString());
    virtual int valueType(int propertyType) const;
    virtual bool isPropertyTypeSupported(int propertyType) const;
    virtual QStringList attributes(int propertyType) const;
    virtual int attributeType(int propertyType, const QString &attribute) const;
    virtual QVariant value(const QtProperty *property) const;
    virtual QVariant attributeValue(const QtProperty *property, const QString &attribute) const;

    int propertyType(const QtProperty *property) const;
    QtVariantProperty *variantProperty(const QtProperty *property) const;

    bool isEditorOpen() const { return m_editorOpen; }
    void clearEditorOpen() { m_editorOpen = false; }

    static int enumTypeId();
    static int flagTypeId();
    static int groupTypeId();
    static int iconMapTypeId();
    static QtProperty *wrappedProperty(QtProperty *property);

public slots:
    virtual void setValue(QtProperty *property, const QVariant &val);
    virtual void setAttribute(QtProperty *property, const QString &attribute,
                              const QVariant &value);

signals:
    void valueChanged(QtProperty *property, const QVariant &val);
    void attributeChanged(QtProperty *property, const QString &attribute, const QVariant &val);

protected:
    bool hasValue(const QtProperty *property) const override;
    QIcon valueIcon(const QtProperty *property) const override;
    QString valueText(const QtProperty *property) const override;
    void initializeProperty(QtProperty *property) override;
    void uninitializeProperty(QtProperty *property) override;
    QtProperty *createProperty() override;

private slots:
    void slotValueChanged(QtProperty *property, int val);
    void slotValueChanged(QtProperty *property, double val);
    void slotValueChanged(QtProperty *property, bool val);
    void slotValueChanged(QtProperty *property, const QString &val);
    void slotValueChanged(QtProperty *property, const QDate &val);
    void slotValueChanged(QtProperty *property, const QTime &val);
    void slotValueChanged(QtProperty *property, const QDateTime &val);
    void slotValueChanged(QtProperty *property, const QKeySequence &val);
    void slotValueChanged(QtProperty *property, const QChar &val);
    void slotValueChanged(QtProperty *property, const QLocale &val);
    void slotValueChanged(QtProperty *property, const QPoint &val);
    void slotValueChanged(QtProperty *property, const QPointF &val);
    void slotValueChanged(QtProperty *property, const QSize &val);
    void slotValueChanged(QtProperty *property, const QSizeF &val);
    void slotValueChanged(QtProperty *property, const QRect &val);
    void slotValueChanged(QtProperty *property, const QRectF &val);
    void slotValueChanged(QtProperty *property, const QColor &val);
    void slotValueChanged(QtProperty *property, const QSizePolicy &val);
    void slotValueChanged(QtProperty *property, const QFont &val);
    void slotValueChanged(QtProperty *property, const QCursor &val);
    void slotRangeChanged(QtProperty *property, int min, int max);
    void slotRangeChanged(QtProperty *property, double min, double max);
    void slotRangeChanged(QtProperty *property, const QDate &min, const QDate &max);
    void slotRangeChanged(QtProperty *property, const QSize &min, const QSize &max);
    void slotRangeChanged(QtProperty *property, const QSizeF &min, const QSizeF &max);
    void slotSingleStepChanged(QtProperty *property, int step);
    void slotSingleStepChanged(QtProperty *property, double step);
    void slotDecimalsChanged(QtProperty *property, int prec);
    void slotRegExpChanged(QtProperty *property, const QRegExp &regExp);
    void slotEchoModeChanged(QtProperty *property, int mode);
    void slotSuffixChanged(QtProperty *property, const QString &suffix);
    void slotCaptionsChanged(QtProperty *property, const QStringList &captions);
    void slotConstraintChanged(QtProperty *property, const QRect &constraint);
    void slotConstraintChanged(QtProperty *property, const QRectF &constraint);
    void slotEnumNamesChanged(QtProperty *property, const QStringList &names);
    void slotEnumIconsChanged(QtProperty *property, const QMap<int, QIcon> &icons);
    void slotFlagNamesChanged(QtProperty *property, const QStringList &names);
    void slotReadOnlyChanged(QtProperty *property, bool readOnly);
    void slotTextVisibleChanged(QtProperty *property, bool textVisible);
    void slotPropertyInserted(QtProperty *property, QtProperty *parent, QtProperty *after);
    void slotPropertyRemoved(QtProperty *property, QtProperty *parent);

private:
    friend class QtVariantPropertyManagerPrivate;
    friend class QtVariantEditorFactory;
    void markEditorOpen() { m_editorOpen = true; }
    int valueType(const QtProperty *property) const;

    QtVariantPropertyManagerPrivate *d_ptr;
    bool m_editorOpen = false;
    Q_DISABLE_COPY(QtVariantPropertyManager)
};
