#pragma once

#include <QByteArray>
#include <QRect>

// What a geometry saved by QWidget::saveGeometry says about the window: its frame and
// whether it was maximised or full screen. Used to restore a window only where it still fits.
class SavedGeometry
{
public:
    explicit SavedGeometry(const QByteArray &saved);

    bool isValid() const { return m_valid; }
    QRect frame() const { return m_frame; }
    // Maximised or full screen: the window takes the screen it opens on, whatever its size.
    bool fillsScreen() const { return m_maximized || m_fullScreen; }
    // Valid, and the frame (the normal place of a window that fills a screen) lies within
    // a present screen's available area.
    bool fitsAScreen() const;

private:
    static bool liesOnAScreen(const QRect &rect);

    bool m_valid = false;
    QRect m_frame;
    QRect m_normal;
    bool m_maximized = false;
    bool m_fullScreen = false;
};
