#include "propertyeditor/QtCursorEditorFactory.h"

#include "propertyeditor/QtCursorDatabase.h"
#include "propertyeditor/QtEnumEditorFactory.h"

#include <QMap>
#include <QWidget>

Q_GLOBAL_STATIC(QtCursorDatabase, editorCursorDatabase)

class QtCursorEditorFactoryPrivate
{
public:
    QtCursorEditorFactory *q_ptr = nullptr;
    QtEnumEditorFactory *enumEditorFactory = nullptr;
    QtEnumPropertyManager *enumPropertyManager = nullptr;
    QMap<QtProperty *, QtProperty *> propertyToEnum;
    QMap<QtProperty *, QtProperty *> enumToProperty;
    QMap<QtProperty *, QList<QWidget *>> enumToEditors;
    QMap<QWidget *, QtProperty *> editorToEnum;
    bool updatingEnum = false;
};

QtCursorEditorFactory::QtCursorEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtCursorPropertyManager>(parent),
      d_ptr(new QtCursorEditorFactoryPrivate)
{
    d_ptr->q_ptr = this;
    d_ptr->enumEditorFactory = new QtEnumEditorFactory(this);
    d_ptr->enumPropertyManager = new QtEnumPropertyManager(this);
    connect(d_ptr->enumPropertyManager, SIGNAL(valueChanged(QtProperty *, int)), this,
            SLOT(slotEnumChanged(QtProperty *, int)));
    d_ptr->enumEditorFactory->addPropertyManager(d_ptr->enumPropertyManager);
}

QtCursorEditorFactory::~QtCursorEditorFactory()
{
    delete d_ptr;
}

void QtCursorEditorFactory::connectPropertyManager(QtCursorPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QCursor)), this,
            SLOT(slotPropertyChanged(QtProperty *, QCursor)));
}

void QtCursorEditorFactory::disconnectPropertyManager(QtCursorPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QCursor)), this,
               SLOT(slotPropertyChanged(QtProperty *, QCursor)));
}

QWidget *QtCursorEditorFactory::createEditor(QtCursorPropertyManager *manager, QtProperty *property,
                                             QWidget *parent)
{
    QtProperty *enumProperty = d_ptr->propertyToEnum.value(property);
    if (!enumProperty) {
        enumProperty = d_ptr->enumPropertyManager->addProperty(property->propertyName());
        const QtCursorDatabase *db = editorCursorDatabase();
        d_ptr->enumPropertyManager->setEnumNames(enumProperty, db->shapeNames());
        d_ptr->enumPropertyManager->setEnumIcons(enumProperty, db->shapeIcons());
        d_ptr->enumPropertyManager->setValue(enumProperty, db->valueOf(manager->value(property)));
        d_ptr->propertyToEnum[property] = enumProperty;
        d_ptr->enumToProperty[enumProperty] = property;
    }
    QtAbstractEditorFactoryBase *enumFactory = d_ptr->enumEditorFactory;
    QWidget *editor = enumFactory->createEditor(enumProperty, parent);
    if (!editor)
        return nullptr;
    d_ptr->enumToEditors[enumProperty].append(editor);
    d_ptr->editorToEnum[editor] = enumProperty;
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtCursorEditorFactory::slotPropertyChanged(QtProperty *property, const QCursor &cursor)
{
    QtProperty *enumProperty = d_ptr->propertyToEnum.value(property);
    if (!enumProperty)
        return;
    d_ptr->updatingEnum = true;
    d_ptr->enumPropertyManager->setValue(enumProperty, editorCursorDatabase()->valueOf(cursor));
    d_ptr->updatingEnum = false;
}

void QtCursorEditorFactory::slotEnumChanged(QtProperty *enumProperty, int value)
{
    if (d_ptr->updatingEnum)
        return;
    QtProperty *property = d_ptr->enumToProperty.value(enumProperty);
    if (!property)
        return;
    if (QtCursorPropertyManager *manager = propertyManager(property))
        manager->setValue(property, editorCursorDatabase()->cursorFor(value));
}

void QtCursorEditorFactory::slotEditorDestroyed(QObject *object)
{
    for (auto it = d_ptr->editorToEnum.begin(); it != d_ptr->editorToEnum.end(); ++it) {
        if (static_cast<QObject *>(it.key()) != object)
            continue;
        QWidget *editor = it.key();
        QtProperty *enumProperty = it.value();
        d_ptr->editorToEnum.erase(it);
        QList<QWidget *> &editors = d_ptr->enumToEditors[enumProperty];
        editors.removeAll(editor);
        if (!editors.isEmpty())
            return;
        d_ptr->enumToEditors.remove(enumProperty);
        QtProperty *property = d_ptr->enumToProperty.take(enumProperty);
        d_ptr->propertyToEnum.remove(property);
        delete enumProperty;
        return;
    }
}
