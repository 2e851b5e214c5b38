#pragma once

#include <QLabel>
#include <QPixmap>

// The small help picture beside a control; the page shows its "Hint" text under the mouse.
inline QLabel *makeHintLabel(QWidget *parent, const QString &objectName, const QString &hint,
                             int size = 16)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setFixedSize(size, size);
    label->setPixmap(QPixmap(QStringLiteral(":/images/hint.png")));
    label->setScaledContents(true);
    label->setMouseTracking(true);
    if (!hint.isEmpty())
        label->setProperty("Hint", hint);
    return label;
}

// "<strong>heading</strong> <p>body</p>", the form of every help text.
inline QString hintText(const QString &heading, const QString &body,
                        const QString &separator = QStringLiteral(" "))
{
    return QStringLiteral("<strong>%1</strong>%2<p>%3</p>").arg(heading, separator, body);
}
