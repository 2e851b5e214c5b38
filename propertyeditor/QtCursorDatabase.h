#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QIcon>
#include <QMap>
#include <QStringList>

// The cursor shapes offered for cursor properties, each with a name and a picture.
class QtCursorDatabase
{
    Q_DECLARE_TR_FUNCTIONS(QtCursorDatabase)
public:
    QtCursorDatabase();

    QStringList shapeNames() const { return m_cursorNames; }
    QMap<int, QIcon> shapeIcons() const { return m_cursorIcons; }
    QString nameOf(const QCursor &cursor) const;
    QIcon iconOf(const QCursor &cursor) const;
    int valueOf(const QCursor &cursor) const;
    QCursor cursorFor(int value) const;

private:
    void addShape(Qt::CursorShape shape, const QString &name, const QIcon &icon);

    QStringList m_cursorNames;
    QMap<int, QIcon> m_cursorIcons;
    QMap<int, Qt::CursorShape> m_valueToCursorShape;
    QMap<Qt::CursorShape, int> m_cursorShapeToValue;
};
