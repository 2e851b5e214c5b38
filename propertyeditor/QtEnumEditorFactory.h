#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtEnumPropertyManager.h"

class QComboBox;

// Combo boxes for enumeration properties; every change of the chosen item is written.
class QtEnumEditorFactory : public QtAbstractEditorFactory<QtEnumPropertyManager>
{
    Q_OBJECT
public:
    explicit QtEnumEditorFactory(QObject *parent = nullptr);
    ~QtEnumEditorFactory() override;

protected:
    void connectPropertyManager(QtEnumPropertyManager *manager) override;
    QWidget *createEditor(QtEnumPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtEnumPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, int value);
    void slotEnumNamesChanged(QtProperty *property, const QStringList &names);
    void slotSetValue(int value);
    void slotEditorDestroyed(QObject *object);

private:
    static void fill(QComboBox *editor, QtEnumPropertyManager *manager, QtProperty *property);

    EditorRegistry<QComboBox> *d_ptr;
};
