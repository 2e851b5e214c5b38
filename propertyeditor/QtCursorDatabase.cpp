#include "propertyeditor/QtCursorDatabase.h"

namespace {
QIcon cursorImage(const char *file)
{
    return QIcon(QStringLiteral(":/cursors/") + QLatin1String(file));
}
} // namespace

QtCursorDatabase::QtCursorDatabase()
{
    addShape(Qt::ArrowCursor, tr("Arrow"), cursorImage("cursor-arrow.png"));
    addShape(Qt::UpArrowCursor, tr("Up Arrow"), cursorImage("cursor-uparrow.png"));
    addShape(Qt::CrossCursor, tr("Cross"), cursorImage("cursor-cross.png"));
    addShape(Qt::WaitCursor, tr("Wait"), cursorImage("cursor-wait.png"));
    addShape(Qt::IBeamCursor, tr("IBeam"), cursorImage("cursor-ibeam.png"));
    addShape(Qt::SizeVerCursor, tr("Size Vertical"), cursorImage("cursor-sizev.png"));
    addShape(Qt::SizeHorCursor, tr("Size Horizontal"), cursorImage("cursor-sizeh.png"));
    addShape(Qt::SizeFDiagCursor, tr("Size Backslash"), cursorImage("cursor-sizef.png"));
    addShape(Qt::SizeBDiagCursor, tr("Size Slash"), cursorImage("cursor-sizeb.png"));
    addShape(Qt::SizeAllCursor, tr("Size All"), cursorImage("cursor-sizeall.png"));
    addShape(Qt::BlankCursor, tr("Blank"), QIcon());
    addShape(Qt::SplitVCursor, tr("Split Vertical"), cursorImage("cursor-vsplit.png"));
    addShape(Qt::SplitHCursor, tr("Split Horizontal"), cursorImage("cursor-hsplit.png"));
    addShape(Qt::PointingHandCursor, tr("Pointing Hand"), cursorImage("cursor-hand.png"));
    addShape(Qt::ForbiddenCursor, tr("Forbidden"), cursorImage("cursor-forbidden.png"));
    addShape(Qt::OpenHandCursor, tr("Open Hand"), cursorImage("cursor-openhand.png"));
    addShape(Qt::ClosedHandCursor, tr("Closed Hand"), cursorImage("cursor-closedhand.png"));
    addShape(Qt::WhatsThisCursor, tr("What's This"), cursorImage("cursor-whatsthis.png"));
    addShape(Qt::BusyCursor, tr("Busy"), cursorImage("cursor-busy.png"));
}

void QtCursorDatabase::addShape(Qt::CursorShape shape, const QString &name, const QIcon &icon)
{
    if (m_cursorShapeToValue.contains(shape))
        return;
    const int value = m_cursorNames.size();
    m_cursorNames.append(name);
    m_cursorIcons.insert(value, icon);
    m_valueToCursorShape.insert(value, shape);
    m_cursorShapeToValue.insert(shape, value);
}

int QtCursorDatabase::valueOf(const QCursor &cursor) const
{
    return m_cursorShapeToValue.value(cursor.shape(), -1);
}

QString QtCursorDatabase::nameOf(const QCursor &cursor) const
{
    return m_cursorNames.value(valueOf(cursor));
}

QIcon QtCursorDatabase::iconOf(const QCursor &cursor) const
{
    const int value = valueOf(cursor);
    return value < 0 ? QIcon() : m_cursorIcons.value(value);
}

QCursor QtCursorDatabase::cursorFor(int value) const
{
    return QCursor(m_valueToCursorShape.value(value, Qt::ArrowCursor));
}
