#pragma once

#include <QTableView>

// The key table: a press opens the cell's editor at once, and keyboard or mouse selection
// reports selected rows.
class IButtonTableView : public QTableView
{
    Q_OBJECT
public:
    explicit IButtonTableView(QWidget *parent = nullptr);

signals:
    void selected();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void reportSelection();
};
