#pragma once

#include "app/ModalAnswerer.h"

#include <QList>

// Answers every modal box a test provokes and remembers what was asked.
// The default answer is the box's default: Ok for boxes, -1 for dialogs.
class ModalRecorder
{
public:
    ModalRecorder();
    ~ModalRecorder();

    QList<ModalAnswerer::Request> seen;
    ModalAnswerer::Handler reply; // optional: decides the answer

    int count(const QString &kind) const;
    bool sawText(const QString &text) const;
};
