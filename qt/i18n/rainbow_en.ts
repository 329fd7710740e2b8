<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en_GB">
<context>
    <name>About</name>
    <message>
        <source>Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rays of light through a drop of water or glass: a teaching program on the optics of the rainbow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licence: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>References</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Rainbow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Rainbow Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages are not part of this build.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>rainbow-main-picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-ray-crossing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-caustics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-descartes-curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-primary-bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-secondary-bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-lee-diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rainbow-picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>arxiki</name>
    <message>
        <source>Rainbow picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop and the rays through it. Water is drawn three times over itself, in red, green and blue, each with its own refractive index; the dotted ray is the rainbow ray, the ray of least deviation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of the beam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle of the beam, in whole degrees from −90 (top) to 90 (bottom). With a parallel beam it is the angle of incidence of the central ray on the drop; with a point source, the angle the central ray makes with the horizontal. Redraws at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of rays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of rays in the beam, from 1 (bottom) to 80 (top). Redraws at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height Yc of the drop&apos;s centre, in picture units from −80 (top) to 80 (bottom); the drop&apos;s radius is 30 and the picture runs from −135 to 135. Redraws at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the point source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the point source, in picture units from −50 (top) to 50 (bottom). It takes effect at the next redraw: move another control, or choose an option, to see it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of internal reflections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of reflections inside the drop, from 0 to 2. 0: the rays are only refracted, and there is no bow. 1: the primary bow, about 42° from the antisolar point, red outside. 2: the secondary bow, about 51°, with its colours reversed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central rays drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A point source at x = −80 sends a fan of rays to the drop; the angle is that of the central ray with the horizontal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A parallel beam from the left, as sunlight is; the angle is the angle of incidence of its central ray on the drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material of the drop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The material of the drop: water or glass.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drop of water, drawn three times with the refractive indices 1.33 (red), 1.333 (green) and 1.343 (blue), so that the dispersion of the colours shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A drop of glass, refractive index 1.5, drawn once in red.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The full construction for the chosen beam: the central rays, which enter nearer the drop&apos;s centre than the rainbow ray, thinned, and the external rays, which enter farther out. The two families fold back on each other at the rainbow ray. Shows the scroll bar that thins the central rays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the central rays: those that enter the drop nearer its centre than the rainbow ray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the external rays: those that enter the drop farther from its centre than the rainbow ray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A column of drops, each sending its red, green and blue rainbow rays towards the observer: the eye sees red from the higher drops and blue from the lower ones, so red is on the outside of the primary bow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the window where you choose two rays refracted by a sphere and see where they cross.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the caustics window: the refraction of a beam by a sphere, the caustics of the refracted and the reflected rays, and the wave fronts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle of the beam in degrees, set by the scroll bar below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal reflections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of reflections inside the drop, set by the scroll bar beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which central rays the full construction draws, set by the scroll bar beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of rays in the beam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height Yc of the drop&apos;s centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the point source; a new height takes effect at the next redraw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which central rays the full construction draws, from 1 to 3: 1 every 4th ray, 2 every 2nd ray, 3 every ray. Shown after &quot;Belqor&quot;; redraws the construction with the drop at x = 30.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the theory window: Descartes&apos; curves, the bow by rays, by Airy&apos;s theory and by the exact Mie series, and the colours of the bow for any drop.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>cut_rays</name>
    <message>
        <source>Ray-crossing picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sphere with two rays refracted through it, the first red and the second blue, and the point where their paths inside the sphere, drawn on as straight lines, cross.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the first ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height of the second ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refractive index of the sphere, in hundredths, from 0.50 (left) to 2.00 (right); water is 1.33. The arrows step by 0.01, a click beside the thumb by 0.10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first ray becomes the special ray: the one that meets the sphere at the rainbow angle of incidence for this index, the ray of least deviation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first ray follows its scroll bar again. The picture changes at the next redraw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidence of the first ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle of incidence of the first (red) ray, in degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incidence of the second ray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The angle of incidence of the second (blue) ray, in degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refractive index of the sphere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program: every window closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brings the main window to the front; this window stays open behind it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the caustics window: the refraction by a sphere, the caustics and the wave fronts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kind of rays: parallel to the axis, or from one point on the axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both rays come from the left, parallel to the axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both rays come from one point on the axis, at the left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the first (red) ray, in tenths of a picture unit, from −1.25 to 1.25 times the sphere&apos;s radius, so a ray can miss the sphere; the top of the bar is the highest ray. Hidden while the special ray is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height of the second (blue) ray, in tenths of a picture unit, from −1.25 to 1.25 times the sphere&apos;s radius, so a ray can miss the sphere; the top of the bar is the highest ray.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kafstikh</name>
    <message>
        <source>Caustics picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The refraction of a parallel beam by a sphere with its caustics, the reflected rays with their caustic, or the wave fronts. The picture runs from −40 to 40 picture units on both axes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws a parallel beam refracted by the sphere and the two caustics, the curves that the refracted rays touch, inside and outside the sphere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the rays reflected once inside the sphere and their caustic over the picture that is there, without erasing it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program: every window closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draws the wave fronts of the rays reflected once: lines of equal optical path, which fold at the rainbow ray. Prints the directions of the first dark band and of the first supernumerary bow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index 1.33, water; redraws the refraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index 1.5, glass; redraws the refraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refractive index 1.7, dense glass; redraws the refraction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radius of the sphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius R of the sphere, in picture units from 5 (left) to 30 (right). Redraws the refraction picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wavelength V of the wave fronts, from 0.30 (left) to 1.30 (right) picture units, in steps of 0.01. Redraws the refraction picture; &quot;WAVE FRONTS&quot; draws its fronts this far apart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of the sphere, in picture units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wavelength V of the wave fronts, in picture units.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rainbow::LessonSession</name>
    <message>
        <source>Lessons (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the lesson to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This lesson cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example lessons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present lesson…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add scene…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present lesson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the new scene:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A note for the class (may be empty):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open last session</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rainbow::PictureActions</name>
    <message>
        <source>Copy picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s name must end in .png, .svg or .pdf.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be painted at that size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As shown (%1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2× (%1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4× (%1 × %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in pixels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rainbow::Presenter</name>
    <message>
        <source>Previous scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next scene</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the presentation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rainbow::ProgramView</name>
    <message>
        <source>The step failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be done: %2
The windows are as they were before it, and the lesson does not keep it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rainbow::WindowSwitcher</name>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>theoria</name>
    <message>
        <source>Descartes&apos; curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deviation of a ray against its angle of incidence, 0 to 90 degrees, for one and two internal reflections: water in red, green and blue, glass dashed. The minimum of each curve is the rainbow ray; the marker is the main window&apos;s central ray.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness against scattering angle near the primary bow, 130 to 145 degrees, by rays, by Airy&apos;s theory and by the exact Mie series, for the chosen drop radius, wavelength and polarisation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondary bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness against scattering angle near the secondary bow, 125 to 135 degrees, by the same theories as the primary bow.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours of the bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colours that sunlight on drops of the chosen radius gives, across the angle from the antisolar point, 35 to 57 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lee diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colours of the bow for drop radii from 10 µm (bottom) to 1 mm (top), across the angle from the antisolar point. Computed in the background.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop radius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radius of the drop, on a logarithmic scale from 5 µm (left) to 2 mm (right). Redraws the brightness curves and the colour band.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wavelength of the light, in nanometres from 380 (left) to 780 (right). Redraws the brightness curves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drop&apos;s radius, set by the scroll bar beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wavelength, set by the scroll bar beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light polarised perpendicular to the plane of scattering: the bow&apos;s own, strongly polarised light.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light polarised parallel to the plane of scattering: near the rainbow angle little of it is reflected inside the drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unpolarised light, as sunlight is: the mean of the two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which theories the brightness curves show.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometric optics: the density of the rays that leave at each angle, with Fresnel&apos;s factors. Infinite at the rainbow angle.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airy&apos;s theory: the wave near the rainbow ray, with its supernumerary bows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The exact Lorenz–Mie series for a sphere: every way light leaves the drop, interfering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Debye series&apos; term of one internal reflection alone (two for the secondary bow), to compare with Airy&apos;s theory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computes the Lee diagram in the background, row by row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the Lee diagram; the rows computed so far stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the Lee diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many rows of the Lee diagram are computed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>parallel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometric optics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mie (exact)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debye, one term</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The main window&apos;s central ray misses the drop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|S|², primary bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|S|², secondary bow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bow lies outside this plot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle from the antisolar point (°)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
