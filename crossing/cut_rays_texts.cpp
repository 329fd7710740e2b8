#include "crossing/cut_rays_texts.h"

namespace rainbow {
namespace {

const ControlText texts[] = {
    {"client", QT_TRANSLATE_NOOP("cut_rays", "Ray-crossing picture"),
     QT_TRANSLATE_NOOP("cut_rays",
                       "A sphere with two rays refracted through it, the first red and the second "
                       "blue, and the point where their paths inside the sphere, drawn on as "
                       "straight lines, cross.")},
    {"position_of_ray", QT_TRANSLATE_NOOP("cut_rays", "Height of the first ray"),
     QT_TRANSLATE_NOOP("cut_rays",
                       "The height of the first (red) ray, in tenths of a picture unit, from "
                       "−1.25 to 1.25 times the sphere's radius, so a ray can miss the sphere; "
                       "the top of the bar is the highest ray. Hidden while the special ray is "
                       "chosen.")},
    {"defteri_aktina", QT_TRANSLATE_NOOP("cut_rays", "Height of the second ray"),
     QT_TRANSLATE_NOOP("cut_rays",
                       "The height of the second (blue) ray, in tenths of a picture unit, from "
                       "−1.25 to 1.25 times the sphere's radius, so a ray can miss the sphere; "
                       "the top of the bar is the highest ray.")},
    {"allagideikth", QT_TRANSLATE_NOOP("cut_rays", "Refractive index"),
     QT_TRANSLATE_NOOP("cut_rays",
                       "The refractive index of the sphere, in hundredths, from 0.50 (left) to "
                       "2.00 (right); water is 1.33. The arrows step by 0.01, a click beside "
                       "the thumb by 0.10.")},
    {"SPECIAL_RAY", "",
     QT_TRANSLATE_NOOP("cut_rays",
                       "The first ray becomes the special ray: the one that meets the sphere at "
                       "the rainbow angle of incidence for this index, the ray of least "
                       "deviation.")},
    {"NON_SPECIAL", "",
     QT_TRANSLATE_NOOP("cut_rays",
                       "The first ray follows its scroll bar again. The picture changes at the "
                       "next redraw.")},
    {"Label1", QT_TRANSLATE_NOOP("cut_rays", "Incidence of the first ray"),
     QT_TRANSLATE_NOOP("cut_rays", "The angle of incidence of the first (red) ray, in degrees.")},
    {"Label2", QT_TRANSLATE_NOOP("cut_rays", "Incidence of the second ray"),
     QT_TRANSLATE_NOOP("cut_rays", "The angle of incidence of the second (blue) ray, in degrees.")},
    {"Label3", QT_TRANSLATE_NOOP("cut_rays", "Refractive index"),
     QT_TRANSLATE_NOOP("cut_rays", "The refractive index of the sphere.")},
    {"Command1", "", QT_TRANSLATE_NOOP("cut_rays", "Ends the program: every window closes.")},
    {"Command2", "",
     QT_TRANSLATE_NOOP("cut_rays",
                       "Brings the main window to the front; this window stays open behind it.")},
    {"Command3", "",
     QT_TRANSLATE_NOOP("cut_rays",
                       "Opens the caustics window: the refraction by a sphere, the caustics and "
                       "the wave fronts.")},
    {"EIDOSAKTINON", "",
     QT_TRANSLATE_NOOP("cut_rays",
                       "The kind of rays: parallel to the axis, or from one point on the axis.")},
    {"PARALLHLES", "",
     QT_TRANSLATE_NOOP("cut_rays", "Both rays come from the left, parallel to the axis.")},
    {"SOURCEONAXIS", "",
     QT_TRANSLATE_NOOP("cut_rays", "Both rays come from one point on the axis, at the left.")},
};

}  // namespace

std::span<const ControlText> cut_rays_texts() { return texts; }

}  // namespace rainbow
