#pragma once

#include <QWidget>

// The partition status panel of the status tab.
class PartitionsStatusWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PartitionsStatusWidget(QWidget *parent = nullptr);
};
