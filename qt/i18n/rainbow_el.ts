<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el_GR" sourcelanguage="en_GB">
<context>
    <name>About</name>
    <message>
        <source>Rainbow</source>
        <translation>Ουράνιο τόξο</translation>
    </message>
    <message>
        <source>Rays of light through a drop of water or glass: a teaching program on the optics of the rainbow.</source>
        <translation>Ακτίνες φωτός μέσα από μια σταγόνα νερού ή γυαλιού: ένα εκπαιδευτικό πρόγραμμα για την οπτική του ουράνιου τόξου.</translation>
    </message>
    <message>
        <source>Licence: %1.</source>
        <translation>Άδεια χρήσης: %1.</translation>
    </message>
    <message>
        <source>References</source>
        <translation>Βιβλιογραφία</translation>
    </message>
    <message>
        <source>About Rainbow</source>
        <translation>Σχετικά με το Ουράνιο τόξο</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Rainbow Help</source>
        <translation>Βοήθεια — Ουράνιο τόξο</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Πίσω</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Εμπρός</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Περιεχόμενα</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>&lt;p&gt;The help pages are not part of this build.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Οι σελίδες βοήθειας δεν περιλαμβάνονται σε αυτή την έκδοση του προγράμματος.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Βοήθεια</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>rainbow-main-picture</source>
        <translation>ουράνιο-τόξο-κύρια-εικόνα</translation>
    </message>
    <message>
        <source>rainbow-ray-crossing</source>
        <translation>ουράνιο-τόξο-τομή-ακτίνων</translation>
    </message>
    <message>
        <source>rainbow-caustics</source>
        <translation>ουράνιο-τόξο-καυστικές</translation>
    </message>
    <message>
        <source>rainbow-descartes-curve</source>
        <translation>ουράνιο-τόξο-καμπύλη-Descartes</translation>
    </message>
    <message>
        <source>rainbow-primary-bow</source>
        <translation>ουράνιο-τόξο-πρωτεύον</translation>
    </message>
    <message>
        <source>rainbow-secondary-bow</source>
        <translation>ουράνιο-τόξο-δευτερεύον</translation>
    </message>
    <message>
        <source>rainbow-colours</source>
        <translation>ουράνιο-τόξο-χρώματα</translation>
    </message>
    <message>
        <source>rainbow-lee-diagram</source>
        <translation>ουράνιο-τόξο-διάγραμμα-Lee</translation>
    </message>
    <message>
        <source>rainbow-picture</source>
        <translation>ουράνιο-τόξο-εικόνα</translation>
    </message>
</context>
<context>
    <name>arxiki</name>
    <message>
        <source>Rainbow picture</source>
        <translation>Εικόνα του ουράνιου τόξου</translation>
    </message>
    <message>
        <source>The drop and the rays through it. Water is drawn three times over itself, in red, green and blue, each with its own refractive index; the dotted ray is the rainbow ray, the ray of least deviation.</source>
        <translation>Η σταγόνα και οι ακτίνες που τη διασχίζουν. Το νερό σχεδιάζεται τρεις φορές, σε κόκκινο, πράσινο και μπλε, το καθένα με τον δικό του δείκτη διάθλασης· η στικτή ακτίνα είναι η ακτίνα του ουράνιου τόξου, η ακτίνα ελάχιστης εκτροπής.</translation>
    </message>
    <message>
        <source>Angle of the beam</source>
        <translation>Γωνία της δέσμης</translation>
    </message>
    <message>
        <source>The angle of the beam, in whole degrees from −90 (top) to 90 (bottom). With a parallel beam it is the angle of incidence of the central ray on the drop; with a point source, the angle the central ray makes with the horizontal. Redraws at once.</source>
        <translation>Η γωνία της δέσμης, σε ακέραιες μοίρες από −90 (πάνω) έως 90 (κάτω). Με παράλληλη δέσμη είναι η γωνία πρόσπτωσης της κεντρικής ακτίνας στη σταγόνα· με σημειακή πηγή, η γωνία που σχηματίζει η κεντρική ακτίνα με το οριζόντιο. Η εικόνα ξανασχεδιάζεται αμέσως.</translation>
    </message>
    <message>
        <source>Number of rays</source>
        <translation>Αριθμός ακτίνων</translation>
    </message>
    <message>
        <source>The number of rays in the beam, from 1 (bottom) to 80 (top). Redraws at once.</source>
        <translation>Ο αριθμός των ακτίνων της δέσμης, από 1 (κάτω) έως 80 (πάνω). Η εικόνα ξανασχεδιάζεται αμέσως.</translation>
    </message>
    <message>
        <source>Height of the drop</source>
        <translation>Ύψος της σταγόνας</translation>
    </message>
    <message>
        <source>The height Yc of the drop&apos;s centre, in picture units from −80 (top) to 80 (bottom); the drop&apos;s radius is 30 and the picture runs from −135 to 135. Redraws at once.</source>
        <translation>Το ύψος Yc του κέντρου της σταγόνας, σε μονάδες της εικόνας από −80 (πάνω) έως 80 (κάτω)· η ακτίνα της σταγόνας είναι 30 και η εικόνα εκτείνεται από −135 έως 135. Η εικόνα ξανασχεδιάζεται αμέσως.</translation>
    </message>
    <message>
        <source>Height of the point source</source>
        <translation>Ύψος της σημειακής πηγής</translation>
    </message>
    <message>
        <source>The height of the point source, in picture units from −50 (top) to 50 (bottom). It takes effect at the next redraw: move another control, or choose an option, to see it.</source>
        <translation>Το ύψος της σημειακής πηγής, σε μονάδες της εικόνας από −50 (πάνω) έως 50 (κάτω). Ισχύει από το επόμενο σχέδιο: μετακινήστε άλλο χειριστήριο ή διαλέξτε μια επιλογή για να το δείτε.</translation>
    </message>
    <message>
        <source>Number of internal reflections</source>
        <translation>Αριθμός εσωτερικών ανακλάσεων</translation>
    </message>
    <message>
        <source>The number of reflections inside the drop, from 0 to 2. 0: the rays are only refracted, and there is no bow. 1: the primary bow, about 42° from the antisolar point, red outside. 2: the secondary bow, about 51°, with its colours reversed.</source>
        <translation>Ο αριθμός των ανακλάσεων μέσα στη σταγόνα, από 0 έως 2. 0: οι ακτίνες μόνο διαθλώνται και δεν σχηματίζεται τόξο. 1: το πρωτεύον τόξο, περίπου 42° από το αντιηλιακό σημείο, με το κόκκινο έξω. 2: το δευτερεύον τόξο, περίπου 51°, με τα χρώματα αντεστραμμένα.</translation>
    </message>
    <message>
        <source>Central rays drawn</source>
        <translation>Κεντρικές ακτίνες που σχεδιάζονται</translation>
    </message>
    <message>
        <source>A point source at x = −80 sends a fan of rays to the drop; the angle is that of the central ray with the horizontal.</source>
        <translation>Μια σημειακή πηγή στο x = −80 στέλνει μια βεντάλια ακτίνων στη σταγόνα· η γωνία είναι αυτή της κεντρικής ακτίνας με το οριζόντιο.</translation>
    </message>
    <message>
        <source>A parallel beam from the left, as sunlight is; the angle is the angle of incidence of its central ray on the drop.</source>
        <translation>Μια παράλληλη δέσμη από τα αριστερά, όπως το φως του ήλιου· η γωνία είναι η γωνία πρόσπτωσης της κεντρικής της ακτίνας στη σταγόνα.</translation>
    </message>
    <message>
        <source>Material of the drop</source>
        <translation>Υλικό της σταγόνας</translation>
    </message>
    <message>
        <source>The material of the drop: water or glass.</source>
        <translation>Το υλικό της σταγόνας: νερό ή γυαλί.</translation>
    </message>
    <message>
        <source>A drop of water, drawn three times with the refractive indices 1.33 (red), 1.333 (green) and 1.343 (blue), so that the dispersion of the colours shows.</source>
        <translation>Σταγόνα νερού, σχεδιασμένη τρεις φορές με δείκτες διάθλασης 1,33 (κόκκινο), 1,333 (πράσινο) και 1,343 (μπλε), ώστε να φαίνεται ο διασκεδασμός των χρωμάτων.</translation>
    </message>
    <message>
        <source>A drop of glass, refractive index 1.5, drawn once in red.</source>
        <translation>Σταγόνα γυαλιού, με δείκτη διάθλασης 1,5, σχεδιασμένη μία φορά σε κόκκινο.</translation>
    </message>
    <message>
        <source>The full construction for the chosen beam: the central rays, which enter nearer the drop&apos;s centre than the rainbow ray, thinned, and the external rays, which enter farther out. The two families fold back on each other at the rainbow ray. Shows the scroll bar that thins the central rays.</source>
        <translation>Η πλήρης κατασκευή για τη δέσμη που επιλέξατε: οι κεντρικές ακτίνες, που μπαίνουν πιο κοντά στο κέντρο της σταγόνας από την ακτίνα του τόξου, αραιωμένες, και οι εξωτερικές ακτίνες, που μπαίνουν πιο μακριά. Οι δύο οικογένειες αναδιπλώνονται η μία πάνω στην άλλη στην ακτίνα του τόξου. Εμφανίζει τη γραμμή κύλισης που αραιώνει τις κεντρικές ακτίνες.</translation>
    </message>
    <message>
        <source>Only the central rays: those that enter the drop nearer its centre than the rainbow ray.</source>
        <translation>Μόνο οι κεντρικές ακτίνες: όσες μπαίνουν στη σταγόνα πιο κοντά στο κέντρο της από την ακτίνα του τόξου.</translation>
    </message>
    <message>
        <source>Only the external rays: those that enter the drop farther from its centre than the rainbow ray.</source>
        <translation>Μόνο οι εξωτερικές ακτίνες: όσες μπαίνουν στη σταγόνα πιο μακριά από το κέντρο της από την ακτίνα του τόξου.</translation>
    </message>
    <message>
        <source>A column of drops, each sending its red, green and blue rainbow rays towards the observer: the eye sees red from the higher drops and blue from the lower ones, so red is on the outside of the primary bow.</source>
        <translation>Μια στήλη από σταγόνες, καθεμιά από τις οποίες στέλνει τις κόκκινες, πράσινες και μπλε ακτίνες του τόξου προς τον παρατηρητή: το μάτι βλέπει κόκκινο από τις ψηλότερες σταγόνες και μπλε από τις χαμηλότερες, γι’ αυτό το κόκκινο είναι στο εξωτερικό του πρωτεύοντος τόξου.</translation>
    </message>
    <message>
        <source>Opens the window where you choose two rays refracted by a sphere and see where they cross.</source>
        <translation>Ανοίγει το παράθυρο όπου διαλέγετε δύο ακτίνες που διαθλώνται από μια σφαίρα και βλέπετε πού τέμνονται.</translation>
    </message>
    <message>
        <source>Opens the caustics window: the refraction of a beam by a sphere, the caustics of the refracted and the reflected rays, and the wave fronts.</source>
        <translation>Ανοίγει το παράθυρο των καυστικών: η διάθλαση μιας δέσμης από μια σφαίρα, οι καυστικές των διαθλώμενων και των ανακλώμενων ακτίνων και τα μέτωπα κύματος.</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Γωνία</translation>
    </message>
    <message>
        <source>The angle of the beam in degrees, set by the scroll bar below it.</source>
        <translation>Η γωνία της δέσμης σε μοίρες, από τη γραμμή κύλισης κάτω από αυτήν.</translation>
    </message>
    <message>
        <source>Internal reflections</source>
        <translation>Εσωτερικές ανακλάσεις</translation>
    </message>
    <message>
        <source>The number of reflections inside the drop, set by the scroll bar beside it.</source>
        <translation>Ο αριθμός των ανακλάσεων μέσα στη σταγόνα, από τη γραμμή κύλισης δίπλα της.</translation>
    </message>
    <message>
        <source>Which central rays the full construction draws, set by the scroll bar beside it.</source>
        <translation>Ποιες κεντρικές ακτίνες σχεδιάζει η πλήρης κατασκευή, από τη γραμμή κύλισης δίπλα της.</translation>
    </message>
    <message>
        <source>The number of rays in the beam.</source>
        <translation>Ο αριθμός των ακτίνων της δέσμης.</translation>
    </message>
    <message>
        <source>The height Yc of the drop&apos;s centre.</source>
        <translation>Το ύψος Yc του κέντρου της σταγόνας.</translation>
    </message>
    <message>
        <source>The height of the point source; a new height takes effect at the next redraw.</source>
        <translation>Το ύψος της σημειακής πηγής· ένα νέο ύψος ισχύει από το επόμενο σχέδιο.</translation>
    </message>
    <message>
        <source>Which central rays the full construction draws, from 1 to 3: 1 every 4th ray, 2 every 2nd ray, 3 every ray. Shown after &quot;Belqor&quot;; redraws the construction with the drop at x = 30.</source>
        <translation>Ποιες κεντρικές ακτίνες σχεδιάζει η πλήρης κατασκευή, από 1 έως 3: 1 κάθε 4η ακτίνα, 2 κάθε 2η ακτίνα, 3 όλες. Εμφανίζεται μετά το «Belqor»· ξανασχεδιάζει την κατασκευή με τη σταγόνα στο x = 30.</translation>
    </message>
    <message>
        <source>Opens the theory window: Descartes&apos; curves, the bow by rays, by Airy&apos;s theory and by the exact Mie series, and the colours of the bow for any drop.</source>
        <translation>Ανοίγει το παράθυρο της θεωρίας: τις καμπύλες του Descartes, το τόξο με ακτίνες, με τη θεωρία του Airy και με την ακριβή σειρά Mie, και τα χρώματα του τόξου για κάθε σταγόνα.</translation>
    </message>
</context>
<context>
    <name>cut_rays</name>
    <message>
        <source>Ray-crossing picture</source>
        <translation>Εικόνα της τομής των ακτίνων</translation>
    </message>
    <message>
        <source>A sphere with two rays refracted through it, the first red and the second blue, and the point where their paths inside the sphere, drawn on as straight lines, cross.</source>
        <translation>Μια σφαίρα με δύο ακτίνες που τη διασχίζουν διαθλώμενες, την πρώτη κόκκινη και τη δεύτερη μπλε, και το σημείο όπου τέμνονται οι διαδρομές τους μέσα στη σφαίρα, προεκτεινόμενες ως ευθείες.</translation>
    </message>
    <message>
        <source>Height of the first ray</source>
        <translation>Ύψος της πρώτης ακτίνας</translation>
    </message>
    <message>
        <source>Height of the second ray</source>
        <translation>Ύψος της δεύτερης ακτίνας</translation>
    </message>
    <message>
        <source>Refractive index</source>
        <translation>Δείκτης διάθλασης</translation>
    </message>
    <message>
        <source>The refractive index of the sphere, in hundredths, from 0.50 (left) to 2.00 (right); water is 1.33. The arrows step by 0.01, a click beside the thumb by 0.10.</source>
        <translation>Ο δείκτης διάθλασης της σφαίρας, σε εκατοστά, από 0,50 (αριστερά) έως 2,00 (δεξιά)· το νερό έχει 1,33. Τα βέλη αλλάζουν κατά 0,01, ένα κλικ δίπλα στον δρομέα κατά 0,10.</translation>
    </message>
    <message>
        <source>The first ray becomes the special ray: the one that meets the sphere at the rainbow angle of incidence for this index, the ray of least deviation.</source>
        <translation>Η πρώτη ακτίνα γίνεται η ειδική ακτίνα: αυτή που συναντά τη σφαίρα με τη γωνία πρόσπτωσης του ουράνιου τόξου για αυτόν τον δείκτη, η ακτίνα ελάχιστης εκτροπής.</translation>
    </message>
    <message>
        <source>The first ray follows its scroll bar again. The picture changes at the next redraw.</source>
        <translation>Η πρώτη ακτίνα ακολουθεί ξανά τη γραμμή κύλισής της. Η εικόνα αλλάζει στο επόμενο σχέδιο.</translation>
    </message>
    <message>
        <source>Incidence of the first ray</source>
        <translation>Πρόσπτωση της πρώτης ακτίνας</translation>
    </message>
    <message>
        <source>The angle of incidence of the first (red) ray, in degrees.</source>
        <translation>Η γωνία πρόσπτωσης της πρώτης (κόκκινης) ακτίνας, σε μοίρες.</translation>
    </message>
    <message>
        <source>Incidence of the second ray</source>
        <translation>Πρόσπτωση της δεύτερης ακτίνας</translation>
    </message>
    <message>
        <source>The angle of incidence of the second (blue) ray, in degrees.</source>
        <translation>Η γωνία πρόσπτωσης της δεύτερης (μπλε) ακτίνας, σε μοίρες.</translation>
    </message>
    <message>
        <source>The refractive index of the sphere.</source>
        <translation>Ο δείκτης διάθλασης της σφαίρας.</translation>
    </message>
    <message>
        <source>Ends the program: every window closes.</source>
        <translation>Τερματίζει το πρόγραμμα: κλείνουν όλα τα παράθυρα.</translation>
    </message>
    <message>
        <source>Brings the main window to the front; this window stays open behind it.</source>
        <translation>Φέρνει μπροστά το κύριο παράθυρο· αυτό το παράθυρο μένει ανοιχτό από πίσω.</translation>
    </message>
    <message>
        <source>Opens the caustics window: the refraction by a sphere, the caustics and the wave fronts.</source>
        <translation>Ανοίγει το παράθυρο των καυστικών: η διάθλαση από μια σφαίρα, οι καυστικές και τα μέτωπα κύματος.</translation>
    </message>
    <message>
        <source>The kind of rays: parallel to the axis, or from one point on the axis.</source>
        <translation>Το είδος των ακτίνων: παράλληλες στον άξονα ή από ένα σημείο του άξονα.</translation>
    </message>
    <message>
        <source>Both rays come from the left, parallel to the axis.</source>
        <translation>Και οι δύο ακτίνες έρχονται από τα αριστερά, παράλληλες στον άξονα.</translation>
    </message>
    <message>
        <source>Both rays come from one point on the axis, at the left.</source>
        <translation>Και οι δύο ακτίνες ξεκινούν από ένα σημείο του άξονα, στα αριστερά.</translation>
    </message>
    <message>
        <source>The height of the first (red) ray, in tenths of a picture unit, from −1.25 to 1.25 times the sphere&apos;s radius, so a ray can miss the sphere; the top of the bar is the highest ray. Hidden while the special ray is chosen.</source>
        <translation>Το ύψος της πρώτης (κόκκινης) ακτίνας, σε δέκατα της μονάδας της εικόνας, από −1,25 έως 1,25 φορές την ακτίνα της σφαίρας, οπότε μια ακτίνα μπορεί να μην τη συναντήσει· η κορυφή της γραμμής δίνει την ψηλότερη ακτίνα. Κρύβεται όσο είναι επιλεγμένη η ειδική ακτίνα.</translation>
    </message>
    <message>
        <source>The height of the second (blue) ray, in tenths of a picture unit, from −1.25 to 1.25 times the sphere&apos;s radius, so a ray can miss the sphere; the top of the bar is the highest ray.</source>
        <translation>Το ύψος της δεύτερης (μπλε) ακτίνας, σε δέκατα της μονάδας της εικόνας, από −1,25 έως 1,25 φορές την ακτίνα της σφαίρας, οπότε μια ακτίνα μπορεί να μην τη συναντήσει· η κορυφή της γραμμής δίνει την ψηλότερη ακτίνα.</translation>
    </message>
</context>
<context>
    <name>kafstikh</name>
    <message>
        <source>Caustics picture</source>
        <translation>Εικόνα των καυστικών</translation>
    </message>
    <message>
        <source>The refraction of a parallel beam by a sphere with its caustics, the reflected rays with their caustic, or the wave fronts. The picture runs from −40 to 40 picture units on both axes.</source>
        <translation>Η διάθλαση μιας παράλληλης δέσμης από μια σφαίρα με τις καυστικές της, οι ανακλώμενες ακτίνες με την καυστική τους ή τα μέτωπα κύματος. Η εικόνα εκτείνεται από −40 έως 40 μονάδες και στους δύο άξονες.</translation>
    </message>
    <message>
        <source>Draws a parallel beam refracted by the sphere and the two caustics, the curves that the refracted rays touch, inside and outside the sphere.</source>
        <translation>Σχεδιάζει μια παράλληλη δέσμη που διαθλάται από τη σφαίρα και τις δύο καυστικές, τις καμπύλες που εφάπτονται οι διαθλώμενες ακτίνες, μέσα και έξω από τη σφαίρα.</translation>
    </message>
    <message>
        <source>Draws the rays reflected once inside the sphere and their caustic over the picture that is there, without erasing it.</source>
        <translation>Σχεδιάζει τις ακτίνες που ανακλώνται μία φορά μέσα στη σφαίρα και την καυστική τους πάνω στην εικόνα που υπάρχει, χωρίς να τη σβήσει.</translation>
    </message>
    <message>
        <source>Ends the program: every window closes.</source>
        <translation>Τερματίζει το πρόγραμμα: κλείνουν όλα τα παράθυρα.</translation>
    </message>
    <message>
        <source>Draws the wave fronts of the rays reflected once: lines of equal optical path, which fold at the rainbow ray. Prints the directions of the first dark band and of the first supernumerary bow.</source>
        <translation>Σχεδιάζει τα μέτωπα κύματος των ακτίνων που ανακλώνται μία φορά: γραμμές ίσου οπτικού δρόμου, που αναδιπλώνονται στην ακτίνα του τόξου. Τυπώνει τις διευθύνσεις της πρώτης σκοτεινής ζώνης και του πρώτου υπεράριθμου τόξου.</translation>
    </message>
    <message>
        <source>Refractive index 1.33, water; redraws the refraction.</source>
        <translation>Δείκτης διάθλασης 1,33, νερό· ξανασχεδιάζει τη διάθλαση.</translation>
    </message>
    <message>
        <source>Refractive index 1.5, glass; redraws the refraction.</source>
        <translation>Δείκτης διάθλασης 1,5, γυαλί· ξανασχεδιάζει τη διάθλαση.</translation>
    </message>
    <message>
        <source>Refractive index 1.7, dense glass; redraws the refraction.</source>
        <translation>Δείκτης διάθλασης 1,7, πυκνό γυαλί· ξανασχεδιάζει τη διάθλαση.</translation>
    </message>
    <message>
        <source>Radius of the sphere</source>
        <translation>Ακτίνα της σφαίρας</translation>
    </message>
    <message>
        <source>The radius R of the sphere, in picture units from 5 (left) to 30 (right). Redraws the refraction picture.</source>
        <translation>Η ακτίνα R της σφαίρας, σε μονάδες της εικόνας από 5 (αριστερά) έως 30 (δεξιά). Ξανασχεδιάζει την εικόνα της διάθλασης.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Μήκος κύματος</translation>
    </message>
    <message>
        <source>The wavelength V of the wave fronts, from 0.30 (left) to 1.30 (right) picture units, in steps of 0.01. Redraws the refraction picture; &quot;WAVE FRONTS&quot; draws its fronts this far apart.</source>
        <translation>Το μήκος κύματος V των μετώπων κύματος, από 0,30 (αριστερά) έως 1,30 (δεξιά) μονάδες της εικόνας, ανά 0,01. Ξανασχεδιάζει την εικόνα της διάθλασης· το «WAVE FRONTS» σχεδιάζει τα μέτωπα σε αυτή την απόσταση.</translation>
    </message>
    <message>
        <source>The radius of the sphere, in picture units.</source>
        <translation>Η ακτίνα της σφαίρας, σε μονάδες της εικόνας.</translation>
    </message>
    <message>
        <source>The wavelength V of the wave fronts, in picture units.</source>
        <translation>Το μήκος κύματος V των μετώπων κύματος, σε μονάδες της εικόνας.</translation>
    </message>
</context>
<context>
    <name>rainbow::LessonSession</name>
    <message>
        <source>Lessons (*.json);;All files (*)</source>
        <translation>Μαθήματα (*.json);;Όλα τα αρχεία (*)</translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <translation>Αποθήκευση μαθήματος…</translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <translation>Άνοιγμα μαθήματος…</translation>
    </message>
    <message>
        <source>Cannot write the lesson to %1.</source>
        <translation>Το μάθημα δεν γράφεται στο %1.</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <translation>Αποθήκευση μαθήματος</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <translation>Άνοιγμα μαθήματος</translation>
    </message>
    <message>
        <source>This lesson cannot be opened: %1</source>
        <translation>Αυτό το μάθημα δεν ανοίγει: %1</translation>
    </message>
    <message>
        <source>Example lessons</source>
        <translation>Παραδείγματα μαθημάτων</translation>
    </message>
    <message>
        <source>Present lesson…</source>
        <translation>Παρουσίαση μαθήματος…</translation>
    </message>
    <message>
        <source>Add scene…</source>
        <translation>Προσθήκη σκηνής…</translation>
    </message>
    <message>
        <source>Present lesson</source>
        <translation>Παρουσίαση μαθήματος</translation>
    </message>
    <message>
        <source>Add scene</source>
        <translation>Προσθήκη σκηνής</translation>
    </message>
    <message>
        <source>Title of the new scene:</source>
        <translation>Τίτλος της νέας σκηνής:</translation>
    </message>
    <message>
        <source>A note for the class (may be empty):</source>
        <translation>Σημείωση για την τάξη (μπορεί να μείνει κενή):</translation>
    </message>
    <message>
        <source>Open last session</source>
        <translation>Άνοιγμα της τελευταίας συνεδρίας</translation>
    </message>
</context>
<context>
    <name>rainbow::PictureActions</name>
    <message>
        <source>Copy picture</source>
        <translation>Αντιγραφή εικόνας</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Αποθήκευση εικόνας…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Εκτύπωση…</translation>
    </message>
    <message>
        <source>The file&apos;s name must end in .png, .svg or .pdf.</source>
        <translation>Το όνομα του αρχείου πρέπει να τελειώνει σε .png, .svg ή .pdf.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Δεν υπάρχει εικόνα για αποθήκευση.</translation>
    </message>
    <message>
        <source>The picture could not be painted at that size.</source>
        <translation>Η εικόνα δεν μπόρεσε να σχεδιαστεί σε αυτό το μέγεθος.</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Αποθήκευση εικόνας</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Εικόνα PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Σχέδιο SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Έγγραφο PDF (*.pdf)</translation>
    </message>
    <message>
        <source>As shown (%1 × %2)</source>
        <translation>Όπως φαίνεται (%1 × %2)</translation>
    </message>
    <message>
        <source>2× (%1 × %2)</source>
        <translation>2× (%1 × %2)</translation>
    </message>
    <message>
        <source>4× (%1 × %2)</source>
        <translation>4× (%1 × %2)</translation>
    </message>
    <message>
        <source>Width in pixels:</source>
        <translation>Πλάτος σε εικονοστοιχεία:</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Μέγεθος:</translation>
    </message>
    <message>
        <source>The picture could not be saved: %1</source>
        <translation>Η εικόνα δεν αποθηκεύτηκε: %1</translation>
    </message>
    <message>
        <source>Print picture</source>
        <translation>Εκτύπωση εικόνας</translation>
    </message>
</context>
<context>
    <name>rainbow::Presenter</name>
    <message>
        <source>Previous scene</source>
        <translation>Προηγούμενη σκηνή</translation>
    </message>
    <message>
        <source>Next scene</source>
        <translation>Επόμενη σκηνή</translation>
    </message>
    <message>
        <source>End the presentation</source>
        <translation>Τέλος της παρουσίασης</translation>
    </message>
</context>
<context>
    <name>rainbow::ProgramView</name>
    <message>
        <source>The step failed</source>
        <translation>Το βήμα απέτυχε</translation>
    </message>
    <message>
        <source>%1 could not be done: %2
The windows are as they were before it, and the lesson does not keep it.</source>
        <translation>Το «%1» δεν έγινε: %2
Τα παράθυρα είναι όπως ήταν πριν από αυτό, και το μάθημα δεν το κρατά.</translation>
    </message>
</context>
<context>
    <name>rainbow::WindowSwitcher</name>
    <message>
        <source>Windows</source>
        <translation>Παράθυρα</translation>
    </message>
    <message>
        <source>Next window</source>
        <translation>Επόμενο παράθυρο</translation>
    </message>
    <message>
        <source>Previous window</source>
        <translation>Προηγούμενο παράθυρο</translation>
    </message>
</context>
<context>
    <name>theoria</name>
    <message>
        <source>Descartes&apos; curves</source>
        <translation>Καμπύλες του Descartes</translation>
    </message>
    <message>
        <source>The deviation of a ray against its angle of incidence, 0 to 90 degrees, for one and two internal reflections: water in red, green and blue, glass dashed. The minimum of each curve is the rainbow ray; the marker is the main window&apos;s central ray.</source>
        <translation>Η εκτροπή μιας ακτίνας ως προς τη γωνία πρόσπτωσής της, από 0 έως 90 μοίρες, για μία και δύο εσωτερικές ανακλάσεις: νερό σε κόκκινο, πράσινο και μπλε, γυαλί με διακεκομμένη γραμμή. Το ελάχιστο κάθε καμπύλης είναι η ακτίνα του ουράνιου τόξου· ο δείκτης είναι η κεντρική ακτίνα του κύριου παραθύρου.</translation>
    </message>
    <message>
        <source>Primary bow</source>
        <translation>Κύριο τόξο</translation>
    </message>
    <message>
        <source>Brightness against scattering angle near the primary bow, 130 to 145 degrees, by rays, by Airy&apos;s theory and by the exact Mie series, for the chosen drop radius, wavelength and polarisation.</source>
        <translation>Η λαμπρότητα ως προς τη γωνία σκέδασης κοντά στο κύριο τόξο, από 130 έως 145 μοίρες, με ακτίνες, με τη θεωρία του Airy και με την ακριβή σειρά Mie, για την ακτίνα σταγόνας, το μήκος κύματος και την πόλωση που επιλέχθηκαν.</translation>
    </message>
    <message>
        <source>Secondary bow</source>
        <translation>Δευτερεύον τόξο</translation>
    </message>
    <message>
        <source>Brightness against scattering angle near the secondary bow, 125 to 135 degrees, by the same theories as the primary bow.</source>
        <translation>Η λαμπρότητα ως προς τη γωνία σκέδασης κοντά στο δευτερεύον τόξο, από 125 έως 135 μοίρες, με τις ίδιες θεωρίες όπως το κύριο τόξο.</translation>
    </message>
    <message>
        <source>Colours of the bow</source>
        <translation>Τα χρώματα του τόξου</translation>
    </message>
    <message>
        <source>The colours that sunlight on drops of the chosen radius gives, across the angle from the antisolar point, 35 to 57 degrees.</source>
        <translation>Τα χρώματα που δίνει το ηλιακό φως σε σταγόνες της επιλεγμένης ακτίνας, κατά τη γωνία από το αντηλιακό σημείο, από 35 έως 57 μοίρες.</translation>
    </message>
    <message>
        <source>Lee diagram</source>
        <translation>Διάγραμμα Lee</translation>
    </message>
    <message>
        <source>The colours of the bow for drop radii from 10 µm (bottom) to 1 mm (top), across the angle from the antisolar point. Computed in the background.</source>
        <translation>Τα χρώματα του τόξου για ακτίνες σταγόνων από 10 µm (κάτω) έως 1 mm (πάνω), κατά τη γωνία από το αντηλιακό σημείο. Υπολογίζεται στο παρασκήνιο.</translation>
    </message>
    <message>
        <source>Drop radius</source>
        <translation>Ακτίνα σταγόνας</translation>
    </message>
    <message>
        <source>The radius of the drop, on a logarithmic scale from 5 µm (left) to 2 mm (right). Redraws the brightness curves and the colour band.</source>
        <translation>Η ακτίνα της σταγόνας, σε λογαριθμική κλίμακα από 5 µm (αριστερά) έως 2 mm (δεξιά). Ξανασχεδιάζει τις καμπύλες λαμπρότητας και τη ζώνη χρωμάτων.</translation>
    </message>
    <message>
        <source>Wavelength</source>
        <translation>Μήκος κύματος</translation>
    </message>
    <message>
        <source>The wavelength of the light, in nanometres from 380 (left) to 780 (right). Redraws the brightness curves.</source>
        <translation>Το μήκος κύματος του φωτός, σε νανόμετρα από 380 (αριστερά) έως 780 (δεξιά). Ξανασχεδιάζει τις καμπύλες λαμπρότητας.</translation>
    </message>
    <message>
        <source>The drop&apos;s radius, set by the scroll bar beside it.</source>
        <translation>Η ακτίνα της σταγόνας, από τη γραμμή κύλισης δίπλα.</translation>
    </message>
    <message>
        <source>The wavelength, set by the scroll bar beside it.</source>
        <translation>Το μήκος κύματος, από τη γραμμή κύλισης δίπλα.</translation>
    </message>
    <message>
        <source>Light polarised perpendicular to the plane of scattering: the bow&apos;s own, strongly polarised light.</source>
        <translation>Φως πολωμένο κάθετα στο επίπεδο σκέδασης: το δικό του, έντονα πολωμένο φως του τόξου.</translation>
    </message>
    <message>
        <source>Light polarised parallel to the plane of scattering: near the rainbow angle little of it is reflected inside the drop.</source>
        <translation>Φως πολωμένο παράλληλα στο επίπεδο σκέδασης: κοντά στη γωνία του τόξου λίγο από αυτό ανακλάται μέσα στη σταγόνα.</translation>
    </message>
    <message>
        <source>Unpolarised light, as sunlight is: the mean of the two.</source>
        <translation>Μη πολωμένο φως, όπως το ηλιακό: ο μέσος όρος των δύο.</translation>
    </message>
    <message>
        <source>Which theories the brightness curves show.</source>
        <translation>Ποιες θεωρίες δείχνουν οι καμπύλες λαμπρότητας.</translation>
    </message>
    <message>
        <source>Geometric optics: the density of the rays that leave at each angle, with Fresnel&apos;s factors. Infinite at the rainbow angle.</source>
        <translation>Γεωμετρική οπτική: η πυκνότητα των ακτίνων που βγαίνουν σε κάθε γωνία, με τους συντελεστές του Fresnel. Άπειρη στη γωνία του τόξου.</translation>
    </message>
    <message>
        <source>Airy&apos;s theory: the wave near the rainbow ray, with its supernumerary bows.</source>
        <translation>Η θεωρία του Airy: το κύμα κοντά στην ακτίνα του τόξου, με τα υπεράριθμα τόξα του.</translation>
    </message>
    <message>
        <source>The exact Lorenz–Mie series for a sphere: every way light leaves the drop, interfering.</source>
        <translation>Η ακριβής σειρά Lorenz–Mie για σφαίρα: όλοι οι δρόμοι που βγαίνει το φως από τη σταγόνα, με τη συμβολή τους.</translation>
    </message>
    <message>
        <source>The Debye series&apos; term of one internal reflection alone (two for the secondary bow), to compare with Airy&apos;s theory.</source>
        <translation>Ο όρος μίας εσωτερικής ανάκλασης της σειράς Debye μόνος του (δύο για το δευτερεύον τόξο), για σύγκριση με τη θεωρία του Airy.</translation>
    </message>
    <message>
        <source>Computes the Lee diagram in the background, row by row.</source>
        <translation>Υπολογίζει το διάγραμμα Lee στο παρασκήνιο, γραμμή προς γραμμή.</translation>
    </message>
    <message>
        <source>Stops the Lee diagram; the rows computed so far stay.</source>
        <translation>Σταματά το διάγραμμα Lee· οι γραμμές που υπολογίστηκαν μένουν.</translation>
    </message>
    <message>
        <source>Progress of the Lee diagram</source>
        <translation>Πρόοδος του διαγράμματος Lee</translation>
    </message>
    <message>
        <source>How many rows of the Lee diagram are computed.</source>
        <translation>Πόσες γραμμές του διαγράμματος Lee έχουν υπολογιστεί.</translation>
    </message>
    <message>
        <source>perpendicular</source>
        <translation>κάθετη</translation>
    </message>
    <message>
        <source>parallel</source>
        <translation>παράλληλη</translation>
    </message>
    <message>
        <source>unpolarised</source>
        <translation>χωρίς πόλωση</translation>
    </message>
    <message>
        <source>Theories</source>
        <translation>Θεωρίες</translation>
    </message>
    <message>
        <source>Geometric optics</source>
        <translation>Γεωμετρική οπτική</translation>
    </message>
    <message>
        <source>Airy</source>
        <translation>Airy</translation>
    </message>
    <message>
        <source>Mie (exact)</source>
        <translation>Mie (ακριβής)</translation>
    </message>
    <message>
        <source>Debye, one term</source>
        <translation>Debye, ένας όρος</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ακύρωση</translation>
    </message>
    <message>
        <source>water</source>
        <translation>νερό</translation>
    </message>
    <message>
        <source>glass</source>
        <translation>γυαλί</translation>
    </message>
    <message>
        <source>The main window&apos;s central ray misses the drop.</source>
        <translation>Η κεντρική ακτίνα του κύριου παραθύρου δεν συναντά τη σταγόνα.</translation>
    </message>
    <message>
        <source>|S|², primary bow</source>
        <translation>|S|², πρωτεύον τόξο</translation>
    </message>
    <message>
        <source>|S|², secondary bow</source>
        <translation>|S|², δευτερεύον τόξο</translation>
    </message>
    <message>
        <source>rays</source>
        <translation>ακτίνες</translation>
    </message>
    <message>
        <source>The bow lies outside this plot.</source>
        <translation>Το τόξο βρίσκεται έξω από αυτό το διάγραμμα.</translation>
    </message>
    <message>
        <source>angle from the antisolar point (°)</source>
        <translation>γωνία από το αντιηλιακό σημείο (°)</translation>
    </message>
</context>
</TS>
