#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

class QAction;
class QPrinter;

namespace rainbow {

class PictureWidget;

// The size a picture is saved at: as shown, twice or four times that, or a width in pixels.
struct SaveSize {
    enum class Kind { shown, twice, four_times, width } kind = Kind::shown;
    int width = 0;  // for Kind::width
};

// The pixels of a picture of `shown` device pixels saved at `size` (shape kept, each side at
// least one pixel).
QSize saved_pixels(QSize shown, SaveSize size);

// The context menu of a picture widget and its shortcuts: "Copy picture" (Ctrl+C), "Save
// picture…" (Ctrl+S, PNG, SVG or PDF by the file's name) and "Print…" (Ctrl+P), then the
// actions that others add. Each paints the display list afresh at the size asked: lines and
// text grow with it, as they do on a larger screen.
class PictureActions : public QObject {
    Q_OBJECT

public:
    // `window_shortcuts`: the shortcuts work anywhere in the picture's window (for the one
    // picture of a window); otherwise only while the picture has the focus.
    PictureActions(PictureWidget& picture, bool window_shortcuts);

    QAction* copy_action() const { return copy_; }
    QAction* save_action() const { return save_; }
    QAction* print_action() const { return print_; }
    // Adds an action to the end of the menu, once.
    void add_action(QAction* action);

    // What the actions do, without their dialogs.
    // The picture's size on the screen in device pixels.
    QSize shown_pixels() const;
    QImage image(QSize pixels) const;
    void copy() const;
    // Writes the picture to `file` in the format its name ends with; false and `error` when
    // it cannot.
    bool save(const QString& file, QSize pixels, QString* error) const;
    // Paints the picture fitted to the printer's page, centred.
    void print(QPrinter& printer) const;

private:
    void save_with_dialog();
    void print_with_dialog();
    // The smallest text of a picture of `pixels`: as on the screen, grown as the picture is.
    double min_text_pixels(QSize pixels) const;
    QString title() const;
    // The name the picture's file is offered under, without its ending.
    QString file_stem() const;

    PictureWidget& picture_;
    QAction* copy_;
    QAction* save_;
    QAction* print_;
    QAction* separator_;
    bool window_shortcuts_;
};

}  // namespace rainbow
