#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtIntPropertyManager.h"

class QSpinBox;

// Spin boxes for integer properties; a value is written when editing finishes.
class QtSpinBoxFactory : public QtAbstractEditorFactory<QtIntPropertyManager>
{
    Q_OBJECT
public:
    explicit QtSpinBoxFactory(QObject *parent = nullptr);
    ~QtSpinBoxFactory() override;

protected:
    void connectPropertyManager(QtIntPropertyManager *manager) override;
    QWidget *createEditor(QtIntPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtIntPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, int value);
    void slotRangeChanged(QtProperty *property, int min, int max);
    void slotSingleStepChanged(QtProperty *property, int step);
    void slotReadOnlyChanged(QtProperty *property, bool readOnly);
    void slotSuffixChanged(QtProperty *property, const QString &suffix);
    void slotSetValue(int value);
    void slotEditorDestroyed(QObject *object);

private:
    void commit(QObject *editor, int value);

    EditorRegistry<QSpinBox> *d_ptr;
};
