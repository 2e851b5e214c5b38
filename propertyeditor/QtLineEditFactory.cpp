#include "propertyeditor/QtLineEditFactory.h"

#include <QRegExpValidator>
#include <QSignalBlocker>

QtLineEditFactory::QtLineEditFactory(QObject *parent)
    : QtAbstractEditorFactory<QtStringPropertyManager>(parent), d_ptr(new EditorRegistry<QLineEdit>)
{
}

QtLineEditFactory::~QtLineEditFactory()
{
    delete d_ptr;
}

void QtLineEditFactory::connectPropertyManager(QtStringPropertyManager *manager)
{
    connect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
            SLOT(slotPropertyChanged(QtProperty *, QString)));
    connect(manager, SIGNAL(regExpChanged(QtProperty *, QRegExp)), this,
            SLOT(slotRegExpChanged(QtProperty *, QRegExp)));
    connect(manager, SIGNAL(echoModeChanged(QtProperty *, int)), this,
            SLOT(slotEchoModeChanged(QtProperty *, int)));
    connect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
            SLOT(slotReadOnlyChanged(QtProperty *, bool)));
}

void QtLineEditFactory::disconnectPropertyManager(QtStringPropertyManager *manager)
{
    disconnect(manager, SIGNAL(valueChanged(QtProperty *, QString)), this,
               SLOT(slotPropertyChanged(QtProperty *, QString)));
    disconnect(manager, SIGNAL(regExpChanged(QtProperty *, QRegExp)), this,
               SLOT(slotRegExpChanged(QtProperty *, QRegExp)));
    disconnect(manager, SIGNAL(echoModeChanged(QtProperty *, int)), this,
               SLOT(slotEchoModeChanged(QtProperty *, int)));
    disconnect(manager, SIGNAL(readOnlyChanged(QtProperty *, bool)), this,
               SLOT(slotReadOnlyChanged(QtProperty *, bool)));
}

QWidget *QtLineEditFactory::createEditor(QtStringPropertyManager *manager, QtProperty *property,
                                         QWidget *parent)
{
    if (manager->isReadOnly(property))
        return nullptr;
    auto *editor = new QLineEdit(parent);
    d_ptr->registerEditor(property, editor);
    editor->setEchoMode(static_cast<QLineEdit::EchoMode>(manager->echoMode(property)));
    editor->setReadOnly(manager->isReadOnly(property));
    const QRegExp regExp = manager->regExp(property);
    if (regExp.isValid())
        editor->setValidator(new QRegExpValidator(regExp, editor));
    editor->setText(manager->value(property));

    connect(editor, &QLineEdit::editingFinished, this,
            [this, editor]() { commit(editor, editor->text()); });
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    return editor;
}

void QtLineEditFactory::slotPropertyChanged(QtProperty *property, const QString &value)
{
    const QList<QLineEdit *> editors = d_ptr->editors(property);
    for (QLineEdit *editor : editors) {
        if (editor->text() == value)
            continue;
        const QSignalBlocker blocker(editor);
        editor->setText(value);
    }
}

void QtLineEditFactory::slotRegExpChanged(QtProperty *property, const QRegExp &regExp)
{
    const QList<QLineEdit *> editors = d_ptr->editors(property);
    for (QLineEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        const QValidator *previous = editor->validator();
        editor->setValidator(regExp.isValid() ? new QRegExpValidator(regExp, editor) : nullptr);
        delete previous;
    }
}

void QtLineEditFactory::slotEchoModeChanged(QtProperty *property, int echoMode)
{
    const QList<QLineEdit *> editors = d_ptr->editors(property);
    for (QLineEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setEchoMode(static_cast<QLineEdit::EchoMode>(echoMode));
    }
}

void QtLineEditFactory::slotReadOnlyChanged(QtProperty *property, bool readOnly)
{
    const QList<QLineEdit *> editors = d_ptr->editors(property);
    for (QLineEdit *editor : editors) {
        const QSignalBlocker blocker(editor);
        editor->setReadOnly(readOnly);
    }
}

void QtLineEditFactory::slotSetValue(const QString &value)
{
    commit(sender(), value);
}

void QtLineEditFactory::commit(QObject *object, const QString &value)
{
    QLineEdit *editor = d_ptr->editorOf(object);
    if (!editor)
        return;
    QtProperty *property = d_ptr->propertyOf(editor);
    if (QtStringPropertyManager *manager = propertyManager(property))
        manager->setValue(property, value);
}

void QtLineEditFactory::slotEditorDestroyed(QObject *object)
{
    d_ptr->editorDestroyed(object);
}
