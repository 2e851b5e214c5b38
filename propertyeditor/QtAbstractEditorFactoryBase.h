#pragma once

#include <QObject>

class QtAbstractPropertyManager;
class QtProperty;
class QWidget;

// The type-free side of an editor factory, as browsers see it.
class QtAbstractEditorFactoryBase : public QObject
{
    Q_OBJECT
public:
    ~QtAbstractEditorFactoryBase() override;

    virtual QWidget *createEditor(QtProperty *property, QWidget *parent) = 0;

protected:
    explicit QtAbstractEditorFactoryBase(QObject *parent = nullptr);

    virtual void breakConnection(QtAbstractPropertyManager *manager) = 0;

protected slots:
    virtual void managerDestroyed(QObject *manager) = 0;

private:
    friend class QtAbstractPropertyBrowser;
};
