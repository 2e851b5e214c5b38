#pragma once

#include <QItemDelegate>
#include <QMap>

class QtProperty;
class QtTreePropertyBrowserPrivate;
class QTreeWidgetItem;

// Paints the rows of a tree browser and places the editors that the factories make.
class QtPropertyEditorDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit QtPropertyEditorDelegate(QObject *parent = nullptr);

    void setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setModelData(QWidget *, QAbstractItemModel *, const QModelIndex &) const override {}
    void setEditorData(QWidget *, const QModelIndex &) const override {}
    bool eventFilter(QObject *object, QEvent *event) override;

    void closeEditor(QtProperty *property);
    QTreeWidgetItem *editedItem() const { return m_editedItem; }
    void forgetEditedItem() { m_editedItem = nullptr; }

protected:
    void drawDecoration(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                        const QPixmap &pixmap) const override;
    void drawDisplay(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                     const QString &text) const override;

private slots:
    void slotEditorDestroyed(QObject *object);

private:
    void paintButton(QPainter *painter, const QStyleOptionViewItem &option,
                     const QtProperty *property) const;

    mutable QMap<QWidget *, QtProperty *> m_editorToProperty;
    mutable QMap<QtProperty *, QWidget *> m_propertyToEditor;
    QtTreePropertyBrowserPrivate *m_editorPrivate = nullptr;
    mutable QTreeWidgetItem *m_editedItem = nullptr;
    mutable QWidget *m_editedWidget = nullptr;
    mutable bool m_disablePainting = false;
};
