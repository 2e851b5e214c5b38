#pragma once

#include <QTreeWidget>

class QtTreePropertyBrowserPrivate;

// The tree widget inside a tree browser: paints row lines and starts editing on one press.
class QtPropertyEditorView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit QtPropertyEditorView(QWidget *parent = nullptr);

    void setEditorPrivate(QtTreePropertyBrowserPrivate *editorPrivate);
    QTreeWidgetItem *indexToItem(const QModelIndex &index) const { return itemFromIndex(index); }

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool rowIsEditable(QTreeWidgetItem *item) const;

    QtTreePropertyBrowserPrivate *m_editorPrivate = nullptr;
};
