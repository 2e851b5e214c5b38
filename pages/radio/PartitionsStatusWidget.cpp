#include "pages/radio/PartitionsStatusWidget.h"

PartitionsStatusWidget::PartitionsStatusWidget(QWidget *parent) : QWidget(parent) {}
