#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtStringPropertyManager.h"

// Line edits for text properties, held to the property's pattern; written when editing
// finishes.
class QtLineEditFactory : public QtAbstractEditorFactory<QtStringPropertyManager>
{
    Q_OBJECT
public:
    explicit QtLineEditFactory(QObject *parent = nullptr);
    ~QtLineEditFactory() override;

protected:
    void connectPropertyManager(QtStringPropertyManager *manager) override;
    QWidget *createEditor(QtStringPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtStringPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QString &value);
    void slotRegExpChanged(QtProperty *property, const QRegExp &regExp);
    void slotEchoModeChanged(QtProperty *property, int echoMode);
    void slotReadOnlyChanged(QtProperty *property, bool readOnly);
    void slotSetValue(const QString &value);
    void slotEditorDestroyed(QObject *object);

private:
    void commit(QObject *editor, const QString &value);

    EditorRegistry<QLineEdit> *d_ptr;
};
