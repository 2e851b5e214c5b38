#include "propertyeditor/QtVariantEditorFactory.h"

#include "propertyeditor/QtCharEditorFactory.h"
#include "propertyeditor/QtCheckBoxFactory.h"
#include "propertyeditor/QtColorEditorFactory.h"
#include "propertyeditor/QtCursorEditorFactory.h"
#include "propertyeditor/QtDateEditFactory.h"
#include "propertyeditor/QtDateTimeEditFactory.h"
#include "propertyeditor/QtDoubleSpinBoxFactory.h"
#include "propertyeditor/QtEnumEditorFactory.h"
#include "propertyeditor/QtFlagPropertyManager.h"
#include "propertyeditor/QtFontEditorFactory.h"
#include "propertyeditor/QtKeySequenceEditorFactory.h"
#include "propertyeditor/QtLineEditFactory.h"
#include "propertyeditor/QtLocalePropertyManager.h"
#include "propertyeditor/QtPointFPropertyManager.h"
#include "propertyeditor/QtPointPropertyManager.h"
#include "propertyeditor/QtRectFPropertyManager.h"
#include "propertyeditor/QtRectPropertyManager.h"
#include "propertyeditor/QtSizeFPropertyManager.h"
#include "propertyeditor/QtSizePolicyPropertyManager.h"
#include "propertyeditor/QtSizePropertyManager.h"
#include "propertyeditor/QtSpinBoxFactory.h"
#include "propertyeditor/QtTimeEditFactory.h"

#include <QPointer>
#include <QWidget>

class QtVariantEditorFactoryPrivate
{
public:
    QtVariantEditorFactory *q_ptr = nullptr;
    QtSpinBoxFactory *spinBoxFactory = nullptr;
    QtDoubleSpinBoxFactory *doubleSpinBoxFactory = nullptr;
    QtCheckBoxFactory *checkBoxFactory = nullptr;
    QtLineEditFactory *lineEditFactory = nullptr;
    QtDateEditFactory *dateEditFactory = nullptr;
    QtTimeEditFactory *timeEditFactory = nullptr;
    QtDateTimeEditFactory *dateTimeEditFactory = nullptr;
    QtKeySequenceEditorFactory *keySequenceEditorFactory = nullptr;
    QtCharEditorFactory *charEditorFactory = nullptr;
    QtCursorEditorFactory *cursorEditorFactory = nullptr;
    QtColorEditorFactory *colorEditorFactory = nullptr;
    QtFontEditorFactory *fontEditorFactory = nullptr;
    QtEnumEditorFactory *comboBoxFactory = nullptr;
    QMap<int, QtAbstractEditorFactoryBase *> typeToFactory;
    // Open editors and the manager whose editor-open flag they hold up.
    QMap<QWidget *, QPointer<QtVariantPropertyManager>> openEditors;
};

QtVariantEditorFactory::QtVariantEditorFactory(QObject *parent)
    : QtAbstractEditorFactory<QtVariantPropertyManager>(parent),
      d_ptr(new QtVariantEditorFactoryPrivate)
{
    QtVariantEditorFactoryPrivate *d = d_ptr;
    d->q_ptr = this;
    d->spinBoxFactory = new QtSpinBoxFactory(this);
    d->typeToFactory[QMetaType::Int] = d->spinBoxFactory;
    d->doubleSpinBoxFactory = new QtDoubleSpinBoxFactory(this);
    d->typeToFactory[QMetaType::Double] = d->doubleSpinBoxFactory;
    d->checkBoxFactory = new QtCheckBoxFactory(this);
    d->typeToFactory[QMetaType::Bool] = d->checkBoxFactory;
    d->lineEditFactory = new QtLineEditFactory(this);
    d->typeToFactory[QMetaType::QString] = d->lineEditFactory;
    d->dateEditFactory = new QtDateEditFactory(this);
    d->typeToFactory[QMetaType::QDate] = d->dateEditFactory;
    d->timeEditFactory = new QtTimeEditFactory(this);
    d->typeToFactory[QMetaType::QTime] = d->timeEditFactory;
    d->dateTimeEditFactory = new QtDateTimeEditFactory(this);
    d->typeToFactory[QMetaType::QDateTime] = d->dateTimeEditFactory;
    d->keySequenceEditorFactory = new QtKeySequenceEditorFactory(this);
    d->typeToFactory[QMetaType::QKeySequence] = d->keySequenceEditorFactory;
    d->charEditorFactory = new QtCharEditorFactory(this);
    d->typeToFactory[QMetaType::QChar] = d->charEditorFactory;
    d->cursorEditorFactory = new QtCursorEditorFactory(this);
    d->typeToFactory[QMetaType::QCursor] = d->cursorEditorFactory;
    d->colorEditorFactory = new QtColorEditorFactory(this);
    d->typeToFactory[QMetaType::QColor] = d->colorEditorFactory;
    d->fontEditorFactory = new QtFontEditorFactory(this);
    d->typeToFactory[QMetaType::QFont] = d->fontEditorFactory;
    d->comboBoxFactory = new QtEnumEditorFactory(this);
    d->typeToFactory[QtVariantPropertyManager::enumTypeId()] = d->comboBoxFactory;
}

QtVariantEditorFactory::~QtVariantEditorFactory()
{
    delete d_ptr;
}

QWidget *QtVariantEditorFactory::createEditor(QtVariantPropertyManager *manager,
                                              QtProperty *property, QWidget *parent)
{
    QtAbstractEditorFactoryBase *factory =
        d_ptr->typeToFactory.value(manager->propertyType(property));
    if (!factory)
        return nullptr;
    QWidget *editor =
        factory->createEditor(QtVariantPropertyManager::wrappedProperty(property), parent);
    // Only a real editor counts as open; it holds the flag up until the last one closes,
    // so a refused request or a finished edit never keeps value refreshes away.
    if (editor) {
        manager->markEditorOpen();
        d_ptr->openEditors.insert(editor, manager);
        connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    }
    return editor;
}

void QtVariantEditorFactory::slotEditorDestroyed(QObject *object)
{
    for (auto it = d_ptr->openEditors.begin(); it != d_ptr->openEditors.end(); ++it) {
        if (static_cast<QObject *>(it.key()) != object)
            continue;
        QPointer<QtVariantPropertyManager> manager = it.value();
        d_ptr->openEditors.erase(it);
        if (!manager)
            return;
        for (const auto &other : qAsConst(d_ptr->openEditors)) {
            if (other == manager)
                return;
        }
        manager->clearEditorOpen();
        return;
    }
}

void QtVariantEditorFactory::connectPropertyManager(QtVariantPropertyManager *manager)
{
    registerManagers(manager, true);
}

void QtVariantEditorFactory::disconnectPropertyManager(QtVariantPropertyManager *manager)
{
    registerManagers(manager, false);
}

namespace {
template <class Factory, class Manager> void serve(Factory *factory, Manager *manager, bool add)
{
    if (add)
        factory->addPropertyManager(manager);
    else
        factory->removePropertyManager(manager);
}

template <class Manager, class Factory> void serveAll(QObject *root, Factory *factory, bool add)
{
    const QList<Manager *> managers = root->findChildren<Manager *>();
    for (Manager *manager : managers)
        serve(factory, manager, add);
}
} // namespace

void QtVariantEditorFactory::registerManagers(QtVariantPropertyManager *manager, bool add)
{
    QtVariantEditorFactoryPrivate *d = d_ptr;
    serveAll<QtIntPropertyManager>(manager, d->spinBoxFactory, add);
    serveAll<QtDoublePropertyManager>(manager, d->doubleSpinBoxFactory, add);
    serveAll<QtBoolPropertyManager>(manager, d->checkBoxFactory, add);
    serveAll<QtStringPropertyManager>(manager, d->lineEditFactory, add);
    serveAll<QtDatePropertyManager>(manager, d->dateEditFactory, add);
    serveAll<QtTimePropertyManager>(manager, d->timeEditFactory, add);
    serveAll<QtDateTimePropertyManager>(manager, d->dateTimeEditFactory, add);
    serveAll<QtKeySequencePropertyManager>(manager, d->keySequenceEditorFactory, add);
    serveAll<QtCharPropertyManager>(manager, d->charEditorFactory, add);
    for (auto *m : manager->findChildren<QtLocalePropertyManager *>())
        serve(d->comboBoxFactory, m->subEnumPropertyManager(), add);
    for (auto *m : manager->findChildren<QtPointPropertyManager *>())
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
    for (auto *m : manager->findChildren<QtPointFPropertyManager *>())
        serve(d->doubleSpinBoxFactory, m->subDoublePropertyManager(), add);
    for (auto *m : manager->findChildren<QtSizePropertyManager *>())
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
    for (auto *m : manager->findChildren<QtSizeFPropertyManager *>())
        serve(d->doubleSpinBoxFactory, m->subDoublePropertyManager(), add);
    for (auto *m : manager->findChildren<QtRectPropertyManager *>())
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
    for (auto *m : manager->findChildren<QtRectFPropertyManager *>())
        serve(d->doubleSpinBoxFactory, m->subDoublePropertyManager(), add);
    for (auto *m : manager->findChildren<QtColorPropertyManager *>()) {
        serve(d->colorEditorFactory, m, add);
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
    }
    serveAll<QtEnumPropertyManager>(manager, d->comboBoxFactory, add);
    for (auto *m : manager->findChildren<QtSizePolicyPropertyManager *>()) {
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
        serve(d->comboBoxFactory, m->subEnumPropertyManager(), add);
    }
    for (auto *m : manager->findChildren<QtFontPropertyManager *>()) {
        serve(d->fontEditorFactory, m, add);
        serve(d->spinBoxFactory, m->subIntPropertyManager(), add);
        serve(d->comboBoxFactory, m->subEnumPropertyManager(), add);
        serve(d->checkBoxFactory, m->subBoolPropertyManager(), add);
    }
    serveAll<QtCursorPropertyManager>(manager, d->cursorEditorFactory, add);
    for (auto *m : manager->findChildren<QtFlagPropertyManager *>())
        serve(d->checkBoxFactory, m->subBoolPropertyManager(), add);
}
