#pragma once

#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtCursorPropertyManager.h"

class QtCursorEditorFactoryPrivate;

// Shows a cursor property as a choice among the known cursor shapes, through an inner
// enumeration property that lives while an editor of the cursor property is open.
class QtCursorEditorFactory : public QtAbstractEditorFactory<QtCursorPropertyManager>
{
    Q_OBJECT
public:
    explicit QtCursorEditorFactory(QObject *parent = nullptr);
    ~QtCursorEditorFactory() override;

protected:
    void connectPropertyManager(QtCursorPropertyManager *manager) override;
    QWidget *createEditor(QtCursorPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtCursorPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QCursor &cursor);
    void slotEnumChanged(QtProperty *property, int value);
    void slotEditorDestroyed(QObject *object);

private:
    QtCursorEditorFactoryPrivate *d_ptr;
};
