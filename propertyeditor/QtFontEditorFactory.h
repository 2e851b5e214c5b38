#pragma once

#include "propertyeditor/EditorRegistry.h"
#include "propertyeditor/QtAbstractEditorFactory.h"
#include "propertyeditor/QtFontPropertyManager.h"

class QtFontEditWidget;

// Font editors: a sample, the font text and a button for the font dialog.
class QtFontEditorFactory : public QtAbstractEditorFactory<QtFontPropertyManager>
{
    Q_OBJECT
public:
    explicit QtFontEditorFactory(QObject *parent = nullptr);
    ~QtFontEditorFactory() override;

protected:
    void connectPropertyManager(QtFontPropertyManager *manager) override;
    QWidget *createEditor(QtFontPropertyManager *manager, QtProperty *property,
                          QWidget *parent) override;
    void disconnectPropertyManager(QtFontPropertyManager *manager) override;

private slots:
    void slotPropertyChanged(QtProperty *property, const QFont &value);
    void slotSetValue(const QFont &value);
    void slotEditorDestroyed(QObject *object);

private:
    EditorRegistry<QtFontEditWidget> *d_ptr;
};
