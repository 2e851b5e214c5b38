#pragma once

#include <QWidget>

class QVBoxLayout;

// The "Partitions" panel of the status tab: one row per partition slot, rebuilt each time
// the configuration has been read.
class PartitionsStatusWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PartitionsStatusWidget(QWidget *parent = nullptr);

public slots:
    void rebuildRows();

private:
    QVBoxLayout *m_rows;
    int m_partitionCount = 0;
};
