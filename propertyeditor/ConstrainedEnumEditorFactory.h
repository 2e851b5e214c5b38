#pragma once

#include "propertyeditor/ConstrainedEnumPropertyManager.h"
#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"

class QComboBox;

// Combo boxes that offer only the names a constrained enumeration allows; each item keeps
// the index of its name.
class ConstrainedEnumEditorFactory : public QtAbstractEditorFactory<ConstrainedEnumPropertyManager>
{
    Q_OBJECT
public:
    explicit ConstrainedEnumEditorFactory(QObject *parent = nullptr);
    ~ConstrainedEnumEditorFactory() override;

protected:
    QWidget *createEditor(ConstrainedEnumPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void connectPropertyManager(ConstrainedEnumPropertyManager *manager) override;
    void disconnectPropertyManager(ConstrainedEnumPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, int value);
    void slotEnumNamesChanged(QtProperty *property, const QStringList &names);
    void slotEnumIconsChanged(QtProperty *property, const QMap<int, QIcon> &icons);
    void slotSetValue(int row);
    void slotEditorDestroyed(QObject *object);

private:
    static void fill(QComboBox *editor, ConstrainedEnumPropertyManager *manager,
                     QtProperty *property);

    EditorRegistry<QComboBox> *d_ptr;
};
