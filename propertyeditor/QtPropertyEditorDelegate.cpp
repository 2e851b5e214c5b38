#include "propertyeditor/QtPropertyEditorDelegate.h"

#include "propertyeditor/QtProperty.h"
#include "propertyeditor/QtPropertyEditorView.h"
#include "propertyeditor/QtTreePropertyBrowserPrivate.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

QtPropertyEditorDelegate::QtPropertyEditorDelegate(QObject *parent) : QItemDelegate(parent) {}

void QtPropertyEditorDelegate::setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate)
{
    m_editorPrivate = editorPrivate;
}

QWidget *QtPropertyEditorDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                                const QModelIndex &index) const
{
    if (index.column() != 1 || !m_editorPrivate)
        return nullptr;
    QtProperty *property = m_editorPrivate->indexToProperty(index);
    QTreeWidgetItem *item = m_editorPrivate->indexToItem(index);
    if (!property || !item || !(item->flags() & Qt::ItemIsEnabled))
        return nullptr;

    QWidget *editor = m_editorPrivate->createEditor(property, parent);
    if (!editor)
        return nullptr;
    editor->setAutoFillBackground(true);
    editor->installEventFilter(const_cast<QtPropertyEditorDelegate *>(this));
    connect(editor, SIGNAL(destroyed(QObject *)), this, SLOT(slotEditorDestroyed(QObject *)));
    m_propertyToEditor[property] = editor;
    m_editorToProperty[editor] = property;
    m_editedItem = item;
    m_editedWidget = editor;
    return editor;
}

void QtPropertyEditorDelegate::slotEditorDestroyed(QObject *object)
{
    // Compare addresses only: the widget is being torn down.
    for (auto it = m_editorToProperty.begin(); it != m_editorToProperty.end(); ++it) {
        if (static_cast<QObject *>(it.key()) != object)
            continue;
        QtProperty *property = it.value();
        if (m_propertyToEditor.value(property) == it.key())
            m_propertyToEditor.remove(property);
        if (m_editedWidget == it.key()) {
            m_editedWidget = nullptr;
            m_editedItem = nullptr;
        }
        m_editorToProperty.erase(it);
        return;
    }
}

void QtPropertyEditorDelegate::closeEditor(QtProperty *property)
{
    if (QWidget *editor = m_propertyToEditor.value(property))
        editor->deleteLater();
}

void QtPropertyEditorDelegate::updateEditorGeometry(QWidget *editor,
                                                    const QStyleOptionViewItem &option,
                                                    const QModelIndex &) const
{
    editor->setGeometry(option.rect.adjusted(0, 0, 0, -1));
}

void QtPropertyEditorDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                     const QModelIndex &index) const
{
    QtProperty *property = m_editorPrivate ? m_editorPrivate->indexToProperty(index) : nullptr;
    const bool hasValue = !property || property->hasValue();
    const bool marking = m_editorPrivate && m_editorPrivate->markPropertiesWithoutValue();

    QStyleOptionViewItem opt = option;
    QColor background;
    if (hasValue || !marking) {
        if (m_editorPrivate)
            background = m_editorPrivate->effectiveBackgroundColor(
                m_editorPrivate->indexToBrowserItem(index));
        if (background.isValid() && (opt.features & QStyleOptionViewItem::Alternate))
            background = background.lighter(112);
    } else {
        background = opt.palette.color(QPalette::Dark);
        opt.palette.setColor(QPalette::Text, opt.palette.color(QPalette::BrightText));
    }
    if (background.isValid())
        painter->fillRect(option.rect, background);
    opt.state &= ~QStyle::State_HasFocus;

    // Keep the old value from showing through behind an open editor.
    if (index.column() == 1 && m_editorPrivate && m_editedItem &&
        m_editorPrivate->indexToItem(index) == m_editedItem)
        m_disablePainting = true;
    QItemDelegate::paint(painter, opt, index);
    m_disablePainting = false;

    opt.palette.setCurrentColorGroup(QPalette::Active);
    const QColor gridColor =
        static_cast<QRgb>(QApplication::style()->styleHint(QStyle::SH_Table_GridLineColor, &opt));
    const bool lastColumn = m_editorPrivate && m_editorPrivate->lastColumn(index.column());
    if (!lastColumn && hasValue) {
        painter->save();
        painter->setPen(QPen(gridColor));
        const int x =
            option.direction == Qt::LeftToRight ? option.rect.right() : option.rect.left();
        painter->drawLine(x, option.rect.y(), x, option.rect.bottom());
        painter->restore();
    }

    if (index.column() == 1 && property && !property->buttonText().isEmpty())
        paintButton(painter, option, property);
}

void QtPropertyEditorDelegate::paintButton(QPainter *painter, const QStyleOptionViewItem &option,
                                           const QtProperty *property) const
{
    QStyleOptionButton button;
    button.rect =
        QRect(option.rect.topLeft(), QSize(option.rect.width() - 1, option.rect.height() - 1));
    button.palette = option.palette;
    QPen pen(Qt::black);
    if (!property->isEnabled()) {
        button.palette.setColor(QPalette::ButtonText, QColor(180, 180, 180, 255));
        pen = QPen(Qt::gray);
    }
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter);
    painter->save();
    painter->setPen(pen);
    painter->drawText(button.rect, Qt::AlignCenter, property->buttonText());
    painter->restore();
}

QSize QtPropertyEditorDelegate::sizeHint(const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    return QItemDelegate::sizeHint(option, index) + QSize(3, 4);
}

bool QtPropertyEditorDelegate::eventFilter(QObject *object, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        // A dialog or another window taking focus must not commit and close the editor.
        auto *focusEvent = static_cast<QFocusEvent *>(event);
        if (focusEvent->reason() == Qt::ActiveWindowFocusReason)
            return false;
    }
    return QItemDelegate::eventFilter(object, event);
}

void QtPropertyEditorDelegate::drawDecoration(QPainter *painter, const QStyleOptionViewItem &option,
                                              const QRect &rect, const QPixmap &pixmap) const
{
    if (!m_disablePainting)
        QItemDelegate::drawDecoration(painter, option, rect, pixmap);
}

void QtPropertyEditorDelegate::drawDisplay(QPainter *painter, const QStyleOptionViewItem &option,
                                           const QRect &rect, const QString &text) const
{
    if (!m_disablePainting)
        QItemDelegate::drawDisplay(painter, option, rect, text);
}
