// The page's own texts, which the desktop program does not show: listed here for lupdate, so
// that they are translated in the same .ts files as the rest (the page is built with their
// translations). Not compiled.
#include <QtGlobal>

namespace {

[[maybe_unused]] const char* const page_texts[] = {
    // The buttons of a presented lesson's caption bar, for touch screens and whiteboards.
    QT_TRANSLATE_NOOP("rainbow::Presenter", "Previous scene"),
    QT_TRANSLATE_NOOP("rainbow::Presenter", "Next scene"),
    QT_TRANSLATE_NOOP("rainbow::Presenter", "End the presentation"),
};

}  // namespace
