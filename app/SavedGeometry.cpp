#include "app/SavedGeometry.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QScreen>

namespace {
// The layout QWidget::saveGeometry writes: magic number, major and minor version, frame
// geometry, normal geometry, screen number, maximised flag, full screen flag, then more.
constexpr quint32 MagicNumber = 0x1D9D0CB;
constexpr quint16 FirstMajorVersion = 1;
constexpr quint16 LastMajorVersion = 3;
} // namespace

SavedGeometry::SavedGeometry(const QByteArray &saved)
{
    QDataStream stream(saved);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    stream >> magic >> major >> minor >> m_frame >> m_normal >> screenNumber >> maximized >>
        fullScreen;
    m_valid = stream.status() == QDataStream::Ok && magic == MagicNumber &&
              major >= FirstMajorVersion && major <= LastMajorVersion && m_frame.isValid() &&
              m_normal.isValid();
    m_maximized = maximized != 0;
    m_fullScreen = fullScreen != 0;
}

bool SavedGeometry::fitsAScreen() const
{
    if (!m_valid)
        return false;
    // A maximised window goes back to its normal place when the user restores it: that
    // place must fit too, or the window would be made as large as a damaged value says.
    return liesOnAScreen(fillsScreen() ? m_normal : m_frame);
}

bool SavedGeometry::liesOnAScreen(const QRect &rect)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    for (const QScreen *screen : screens)
        if (screen->availableGeometry().contains(rect))
            return true;
    return false;
}
