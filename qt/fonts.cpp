#include "qt/fonts.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace rainbow {

QString font_family(std::string_view designed_family) {
    if (designed_family == "Times New Roman") return QStringLiteral("Liberation Serif");
    if (designed_family == "Arial" || designed_family == "MS Sans Serif") {
        return QStringLiteral("Liberation Sans");
    }
    return QString::fromUtf8(designed_family.data(), qsizetype(designed_family.size()));
}

QFont control_font(std::string_view designed_family, double points) {
    QFont font(font_family(designed_family));
    font.setPointSizeF(points > 0 ? points : 8.25);
    return font;
}

QFont picture_font(double pixels) {
    QFont font(font_family("MS Sans Serif"));
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    return font;
}

double desktop_text_pixels() { return QFontInfo(QGuiApplication::font()).pixelSize(); }

}  // namespace rainbow
