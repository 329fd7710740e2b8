#include "theory/theory_texts.h"

#include "forms/format.h"

namespace rainbow {
namespace {

const ControlText texts[] = {
    {"descartes", QT_TRANSLATE_NOOP("theoria", "Descartes' curves"),
     QT_TRANSLATE_NOOP("theoria",
                       "The deviation of a ray against its angle of incidence, 0 to 90 degrees, "
                       "for one and two internal reflections: water in red, green and blue, "
                       "glass dashed. The minimum of each curve is the rainbow ray; the marker "
                       "is the main window's central ray.")},
    {"primary", QT_TRANSLATE_NOOP("theoria", "Primary bow"),
     QT_TRANSLATE_NOOP("theoria",
                       "Brightness against scattering angle near the primary bow, 130 to 145 "
                       "degrees, by rays, by Airy's theory and by the exact Mie series, for the "
                       "chosen drop radius, wavelength and polarisation.")},
    {"secondary", QT_TRANSLATE_NOOP("theoria", "Secondary bow"),
     QT_TRANSLATE_NOOP("theoria",
                       "Brightness against scattering angle near the secondary bow, 125 to 135 "
                       "degrees, by the same theories as the primary bow.")},
    {"band", QT_TRANSLATE_NOOP("theoria", "Colours of the bow"),
     QT_TRANSLATE_NOOP("theoria",
                       "The colours that sunlight on drops of the chosen radius gives, across "
                       "the angle from the antisolar point, 35 to 57 degrees.")},
    {"lee", QT_TRANSLATE_NOOP("theoria", "Lee diagram"),
     QT_TRANSLATE_NOOP("theoria",
                       "The colours of the bow for drop radii from 10 µm (bottom) to 1 mm (top), "
                       "across the angle from the antisolar point. Computed in the background.")},
    {"radius", QT_TRANSLATE_NOOP("theoria", "Drop radius"),
     QT_TRANSLATE_NOOP("theoria",
                       "The radius of the drop, on a logarithmic scale from 5 µm (left) to "
                       "2 mm (right). Redraws the brightness curves and the colour band.")},
    {"wavelength", QT_TRANSLATE_NOOP("theoria", "Wavelength"),
     QT_TRANSLATE_NOOP("theoria",
                       "The wavelength of the light, in nanometres from 380 (left) to 780 "
                       "(right). Redraws the brightness curves.")},
    {"radius_label", QT_TRANSLATE_NOOP("theoria", "Drop radius"),
     QT_TRANSLATE_NOOP("theoria", "The drop's radius, set by the scroll bar beside it.")},
    {"wavelength_label", QT_TRANSLATE_NOOP("theoria", "Wavelength"),
     QT_TRANSLATE_NOOP("theoria", "The wavelength, set by the scroll bar beside it.")},
    {"perpendicular", "",
     QT_TRANSLATE_NOOP("theoria",
                       "Light polarised perpendicular to the plane of scattering: the bow's "
                       "own, strongly polarised light.")},
    {"parallel", "",
     QT_TRANSLATE_NOOP("theoria",
                       "Light polarised parallel to the plane of scattering: near the rainbow "
                       "angle little of it is reflected inside the drop.")},
    {"unpolarised", "",
     QT_TRANSLATE_NOOP("theoria", "Unpolarised light, as sunlight is: the mean of the two.")},
    {"theories", "", QT_TRANSLATE_NOOP("theoria", "Which theories the brightness curves show.")},
    {"geometric", "",
     QT_TRANSLATE_NOOP("theoria",
                       "Geometric optics: the density of the rays that leave at each angle, "
                       "with Fresnel's factors. Infinite at the rainbow angle.")},
    {"airy", "",
     QT_TRANSLATE_NOOP("theoria",
                       "Airy's theory: the wave near the rainbow ray, with its supernumerary "
                       "bows.")},
    {"exact", "",
     QT_TRANSLATE_NOOP("theoria",
                       "The exact Lorenz–Mie series for a sphere: every way light leaves the "
                       "drop, interfering.")},
    {"debye", "",
     QT_TRANSLATE_NOOP("theoria",
                       "The Debye series' term of one internal reflection alone (two for the "
                       "secondary bow), to compare with Airy's theory.")},
    {"lee_start", "",
     QT_TRANSLATE_NOOP("theoria", "Computes the Lee diagram in the background, row by row.")},
    {"lee_cancel", "",
     QT_TRANSLATE_NOOP("theoria", "Stops the Lee diagram; the rows computed so far stay.")},
    {"lee_progress", QT_TRANSLATE_NOOP("theoria", "Progress of the Lee diagram"),
     QT_TRANSLATE_NOOP("theoria", "How many rows of the Lee diagram are computed.")},
};

}  // namespace

std::span<const ControlText> theory_texts() { return texts; }

std::string radius_text(double radius_um) {
    if (radius_um >= 999.5) return format_number(radius_um / 1000.0, "0.00") + " mm";
    if (radius_um >= 99.95) return format_number(radius_um, "0") + " µm";
    if (radius_um >= 9.995) return format_number(radius_um, "0.0") + " µm";
    return format_number(radius_um, "0.00") + " µm";
}

TheoryWords theory_words(const Translate& translate) {
    const auto t = [&translate](std::string_view english) {
        return translate_text(translate, "theoria", english);
    };
    TheoryWords w;
    w.perpendicular = t(QT_TRANSLATE_NOOP("theoria", "perpendicular"));
    w.parallel = t(QT_TRANSLATE_NOOP("theoria", "parallel"));
    w.unpolarised = t(QT_TRANSLATE_NOOP("theoria", "unpolarised"));
    w.theories = t(QT_TRANSLATE_NOOP("theoria", "Theories"));
    w.geometric = t(QT_TRANSLATE_NOOP("theoria", "Geometric optics"));
    w.airy = t(QT_TRANSLATE_NOOP("theoria", "Airy"));
    w.exact = t(QT_TRANSLATE_NOOP("theoria", "Mie (exact)"));
    w.debye = t(QT_TRANSLATE_NOOP("theoria", "Debye, one term"));
    w.lee_start = t(QT_TRANSLATE_NOOP("theoria", "Lee diagram"));
    w.lee_cancel = t(QT_TRANSLATE_NOOP("theoria", "Cancel"));
    w.water = t(QT_TRANSLATE_NOOP("theoria", "water"));
    w.glass = t(QT_TRANSLATE_NOOP("theoria", "glass"));
    w.central_ray_misses =
        t(QT_TRANSLATE_NOOP("theoria", "The main window's central ray misses the drop."));
    w.primary_bow = t(QT_TRANSLATE_NOOP("theoria", "|S|², primary bow"));
    w.secondary_bow = t(QT_TRANSLATE_NOOP("theoria", "|S|², secondary bow"));
    w.rays = t(QT_TRANSLATE_NOOP("theoria", "rays"));
    w.bow_outside = t(QT_TRANSLATE_NOOP("theoria", "The bow lies outside this plot."));
    w.from_antisolar_point = t(QT_TRANSLATE_NOOP("theoria", "angle from the antisolar point (°)"));
    return w;
}

}  // namespace rainbow
