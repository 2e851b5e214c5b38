#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtKeySequencePropertyManager.h"

class QtKeySequenceEdit;

// Key-sequence recorders for key-sequence properties.
class QtKeySequenceEditorFactory : public QtAbstractEditorFactory<QtKeySequencePropertyManager>
{
    Q_OBJECT
public:
    explicit QtKeySequenceEditorFactory(QObject *parent = nullptr);
    ~QtKeySequenceEditorFactory() override;

protected:
    void connectPropertyManager(QtKeySequencePropertyManager *manager) override;
    QWidget *createEditor(QtKeySequencePropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtKeySequencePropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QKeySequence &value);
    void slotSetValue(const QKeySequence &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QtKeySequenceEdit> *d_ptr;
};
