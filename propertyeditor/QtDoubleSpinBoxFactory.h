#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtDoublePropertyManager.h"

class QDoubleSpinBox;

// Double spin boxes for floating-point properties; a value is written when editing finishes.
class QtDoubleSpinBoxFactory : public QtAbstractEditorFactory<QtDoublePropertyManager>
{
    Q_OBJECT
public:
    explicit QtDoubleSpinBoxFactory(QObject *parent = nullptr);
    ~QtDoubleSpinBoxFactory() override;

protected:
    void connectPropertyManager(QtDoublePropertyManager *manager) override;
    QWidget *createEditor(QtDoublePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtDoublePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, double value);
    void slotRangeChanged(QtProperty *property, double min, double max);
    void slotSingleStepChanged(QtProperty *property, double step);
    void slotDecimalsChanged(QtProperty *property, int prec);
    void slotReadOnlyChanged(QtProperty *property, bool readOnly);
    void slotSuffixChanged(QtProperty *property, const QString &suffix);
    void slotSetValue(double value);
    void slotEditorDestroyed(QObject *object);

private:
    void commit(QObject *editor, double value);

    EditorRegistry<QDoubleSpinBox> *d_ptr;
};
