#include "caustics/caustics_texts.h"

namespace rainbow {
namespace {

const ControlText texts[] = {
    {"eikona", QT_TRANSLATE_NOOP("kafstikh", "Caustics picture"),
     QT_TRANSLATE_NOOP("kafstikh",
                       "The refraction of a parallel beam by a sphere with its caustics, the "
                       "reflected rays with their caustic, or the wave fronts. The picture runs "
                       "from −40 to 40 picture units on both axes.")},
    {"Command1", "",
     QT_TRANSLATE_NOOP("kafstikh",
                       "Draws a parallel beam refracted by the sphere and the two caustics, the "
                       "curves that the refracted rays touch, inside and outside the sphere.")},
    {"Command2", "",
     QT_TRANSLATE_NOOP("kafstikh",
                       "Draws the rays reflected once inside the sphere and their caustic over "
                       "the picture that is there, without erasing it.")},
    {"Command3", "", QT_TRANSLATE_NOOP("kafstikh", "Ends the program: every window closes.")},
    {"Command4", "",
     QT_TRANSLATE_NOOP("kafstikh",
                       "Draws the wave fronts of the rays reflected once: lines of equal optical "
                       "path, which fold at the rainbow ray. Prints the directions of the first "
                       "dark band and of the first supernumerary bow.")},
    {"Option1", "",
     QT_TRANSLATE_NOOP("kafstikh", "Refractive index 1.33, water; redraws the refraction.")},
    {"Option2", "",
     QT_TRANSLATE_NOOP("kafstikh", "Refractive index 1.5, glass; redraws the refraction.")},
    {"Option3", "",
     QT_TRANSLATE_NOOP("kafstikh", "Refractive index 1.7, dense glass; redraws the refraction.")},
    {"AKTIN", QT_TRANSLATE_NOOP("kafstikh", "Radius of the sphere"),
     QT_TRANSLATE_NOOP("kafstikh",
                       "The radius R of the sphere, in picture units from 5 (left) to 30 "
                       "(right). Redraws the refraction picture.")},
    {"timhv", QT_TRANSLATE_NOOP("kafstikh", "Wavelength"),
     QT_TRANSLATE_NOOP("kafstikh",
                       "The wavelength V of the wave fronts, from 0.30 (left) to 1.30 (right) "
                       "picture units, in steps of 0.01. Redraws the refraction picture; "
                       "\"WAVE FRONTS\" draws its fronts this far apart.")},
    {"Label1", QT_TRANSLATE_NOOP("kafstikh", "Radius of the sphere"),
     QT_TRANSLATE_NOOP("kafstikh", "The radius of the sphere, in picture units.")},
    {"Label2", QT_TRANSLATE_NOOP("kafstikh", "Wavelength"),
     QT_TRANSLATE_NOOP("kafstikh", "The wavelength V of the wave fronts, in picture units.")},
};

}  // namespace

std::span<const ControlText> caustics_texts() { return texts; }

}  // namespace rainbow
