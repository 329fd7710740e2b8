#include "rainbow/main_window_texts.h"

namespace rainbow {
namespace {

const ControlText texts[] = {
    {"Picture1", QT_TRANSLATE_NOOP("arxiki", "Rainbow picture"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The drop and the rays through it. Water is drawn three times over itself, in red, "
         "green and blue, each with its own refractive index; the dotted ray is the rainbow "
         "ray, the ray of least deviation.")},
    {"goniatheta", QT_TRANSLATE_NOOP("arxiki", "Angle of the beam"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The angle of the beam, in whole degrees from −90 (top) to 90 (bottom). With a "
         "parallel beam it is the angle of incidence of the central ray on the drop; with a "
         "point source, the angle the central ray makes with the horizontal. Redraws at once.")},
    {"arithaktinon", QT_TRANSLATE_NOOP("arxiki", "Number of rays"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The number of rays in the beam, from 1 (bottom) to 80 (top). Redraws at once.")},
    {"Ycthesi", QT_TRANSLATE_NOOP("arxiki", "Height of the drop"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The height Yc of the drop's centre, in picture units from −80 (top) to 80 "
         "(bottom); the drop's radius is 30 and the picture runs from −135 to 135. Redraws "
         "at once.")},
    {"psipigi", QT_TRANSLATE_NOOP("arxiki", "Height of the point source"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The height of the point source, in picture units from −50 (top) to 50 (bottom). "
         "It takes effect at the next redraw: move another control, or choose an option, to "
         "see it.")},
    {"arithanak", QT_TRANSLATE_NOOP("arxiki", "Number of internal reflections"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The number of reflections inside the drop, from 0 to 2. 0: the rays are only "
         "refracted, and there is no bow. 1: the primary bow, about 42° from the antisolar "
         "point, red outside. 2: the secondary bow, about 51°, with its colours reversed.")},
    {"HScroll1", QT_TRANSLATE_NOOP("arxiki", "Central rays drawn"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Which central rays the full construction draws, from 1 to 3: 1 every 4th ray, 2 every "
         "2nd ray, 3 every ray. Shown after \"Belqor\"; redraws the construction with the drop at "
         "x = 30.")},
    {"pointsource", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "A point source at x = −80 sends a fan of rays to the drop; the angle is that of "
         "the central ray with the horizontal.")},
    {"parallel", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "A parallel beam from the left, as sunlight is; the angle is the angle of incidence "
         "of its central ray on the drop.")},
    {"Frame1", QT_TRANSLATE_NOOP("arxiki", "Material of the drop"),
     QT_TRANSLATE_NOOP("arxiki", "The material of the drop: water or glass.")},
    {"Option1", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "A drop of water, drawn three times with the refractive indices 1.33 (red), 1.333 "
         "(green) and 1.343 (blue), so that the dispersion of the colours shows.")},
    {"Option2", "",
     QT_TRANSLATE_NOOP("arxiki", "A drop of glass, refractive index 1.5, drawn once in red.")},
    {"Command1", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The full construction for the chosen beam: the central rays, which enter nearer the "
         "drop's centre than the rainbow ray, thinned, and the external rays, which enter "
         "farther out. The two families fold back on each other at the rainbow ray. Shows "
         "the scroll bar that thins the central rays.")},
    {"Command2", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Only the central rays: those that enter the drop nearer its centre than the "
         "rainbow ray.")},
    {"Command3", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Only the external rays: those that enter the drop farther from its centre than the "
         "rainbow ray.")},
    {"Command4", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "A column of drops, each sending its red, green and blue rainbow rays towards the "
         "observer: the eye sees red from the higher drops and blue from the lower ones, so "
         "red is on the outside of the primary bow.")},
    {"Command5", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Opens the window where you choose two rays refracted by a sphere and see where "
         "they cross.")},
    {"Command6", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Opens the caustics window: the refraction of a beam by a sphere, the caustics of "
         "the refracted and the reflected rays, and the wave fronts.")},
    {"Command7", "",
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Opens the theory window: Descartes' curves, the bow by rays, by Airy's theory and "
         "by the exact Mie series, and the colours of the bow for any drop.")},
    {"Label1", QT_TRANSLATE_NOOP("arxiki", "Angle"),
     QT_TRANSLATE_NOOP("arxiki",
                       "The angle of the beam in degrees, set by the scroll bar "
                       "below it.")},
    {"Label2", QT_TRANSLATE_NOOP("arxiki", "Internal reflections"),
     QT_TRANSLATE_NOOP(
         "arxiki", "The number of reflections inside the drop, set by the scroll bar beside it.")},
    {"Label3", QT_TRANSLATE_NOOP("arxiki", "Central rays drawn"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "Which central rays the full construction draws, set by the scroll bar beside it.")},
    {"Label4", QT_TRANSLATE_NOOP("arxiki", "Number of rays"),
     QT_TRANSLATE_NOOP("arxiki", "The number of rays in the beam.")},
    {"Label5", QT_TRANSLATE_NOOP("arxiki", "Height of the drop"),
     QT_TRANSLATE_NOOP("arxiki", "The height Yc of the drop's centre.")},
    {"Label6", QT_TRANSLATE_NOOP("arxiki", "Height of the point source"),
     QT_TRANSLATE_NOOP(
         "arxiki",
         "The height of the point source; a new height takes effect at the next redraw.")},
};

}  // namespace

std::span<const ControlText> main_window_texts() { return texts; }

}  // namespace rainbow
