#include "qt/about_dialog.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace rainbow {

void show_about(QWidget* parent) {
    const QString text =
        QStringLiteral("<h3>%1 %2</h3><p>%3</p><p>%4</p><p><b>%5</b></p><ul>")
            .arg(QCoreApplication::translate("About", "Rainbow"), QStringLiteral(RAINBOW_VERSION),
                 QCoreApplication::translate(
                     "About",
                     "Rays of light through a drop of water or glass: a teaching program on the "
                     "optics of the rainbow."),
                 QCoreApplication::translate("About", "Licence: %1.")
                     .arg(QStringLiteral(RAINBOW_LICENSE)),
                 QCoreApplication::translate("About", "References")) +
        QStringLiteral(
            "<li>R. Descartes, <i>Les Météores</i>, Discours VIII, Leiden, 1637.</li>"
            "<li>I. Newton, <i>Opticks</i>, Book I: the colours of the rainbow, London, 1704.</li>"
            "<li>G. B. Airy, “On the intensity of light in the neighbourhood of a caustic”, "
            "<i>Trans. Cambridge Philos. Soc.</i> 6, 379–402 (1838).</li>"
            "<li>J. D. Walker, “Multiple rainbows from single drops of water and other "
            "liquids”, <i>Am. J. Phys.</i> 44, 421–433 (1976).</li>"
            "<li>H. M. Nussenzveig, “The theory of the rainbow”, <i>Scientific American</i> "
            "236(4), 116–127 (1977).</li>"
            "<li>R. L. Lee Jr. and A. B. Fraser, <i>The Rainbow Bridge: Rainbows in Art, Myth, "
            "and Science</i>, Penn State University Press, 2001.</li>"
            "<li>J. A. Adam, “The mathematical physics of rainbows and glories”, "
            "<i>Physics Reports</i> 356, 229–365 (2002).</li></ul>");
    QMessageBox::about(parent, QCoreApplication::translate("About", "About Rainbow"), text);
}

}  // namespace rainbow
