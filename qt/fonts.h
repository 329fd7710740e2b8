#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace rainbow {

// The free font that stands in for a font the windows were designed with: Times New Roman
// becomes Liberation Serif; Arial and MS Sans Serif become Liberation Sans (all with Greek).
QString font_family(std::string_view designed_family);

// A control's font at its designed size in points.
QFont control_font(std::string_view designed_family, double points);

// The font of the pictures (MS Sans Serif 8.25 pt) at a size in pixels of the paint area.
QFont picture_font(double pixels);

// The size in logical pixels of the desktop's normal font: the smallest text a person is
// expected to read on this screen.
double desktop_text_pixels();

// The pictures' font size in twips: 8.25 pt at 20 twips a point.
inline constexpr double picture_font_twips = 8.25 * 20;

}  // namespace rainbow
