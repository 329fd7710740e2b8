#include "qt/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace rainbow {

Screen layout_screen(QSize area, double logical_dpi) {
    const double width = std::max(1, area.width());
    const double height = std::max(1, area.height());
    const double grow = std::max(1.0, narrowest_laid_out_screen / width);
    const double twips_per_logical_pixel = 1440.0 / (logical_dpi > 0 ? logical_dpi : 96.0);
    return Screen{width * grow * twips_per_logical_pixel, height * grow * twips_per_logical_pixel};
}

double fit_scale(QSizeF content, QSizeF room) {
    if (content.width() <= 0 || content.height() <= 0) return 1;
    if (room.width() <= 0 || room.height() <= 0) return 1;
    const double share = std::min(room.width() / content.width(), room.height() / content.height());
    return std::clamp(share, 0.1, 1.0);
}

QRect work_area(const QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect() : screen->availableGeometry();
}

QRect usable_area(const QWidget& window) {
    const QRect area = work_area(window);
    if (area.isEmpty()) return area;
    // The frame is known once the window has been shown under a window manager.
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(),
                           frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0) {
        return area;
    }
    return area.marginsRemoved(margins);
}

}  // namespace rainbow

namespace rainbow {

double scaled_points(double designed_points, double scale) {
    return std::max(designed_points * scale, std::min(designed_points, smallest_control_points));
}

}  // namespace rainbow
