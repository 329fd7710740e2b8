#include "qt/picture_actions.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "forms/screen.h"
#include "qt/display_list_painter.h"
#include "qt/fonts.h"
#include "qt/picture_files.h"
#include "qt/picture_widget.h"

namespace rainbow {
namespace {

constexpr int smallest_saved_width = 16;
constexpr int largest_saved_width = largest_picture_pixels;

QAction* make_action(const QString& text, QKeySequence keys, QObject* parent, bool window) {
    auto* action = new QAction(text, parent);
    action->setShortcut(keys);
    action->setShortcutContext(window ? Qt::WindowShortcut : Qt::WidgetWithChildrenShortcut);
    return action;
}

}  // namespace

QSize saved_pixels(QSize shown, SaveSize size) {
    if (shown.isEmpty()) return {};
    double zoom = 1;
    switch (size.kind) {
        case SaveSize::Kind::shown: break;
        case SaveSize::Kind::twice: zoom = 2; break;
        case SaveSize::Kind::four_times: zoom = 4; break;
        case SaveSize::Kind::width: zoom = double(std::max(1, size.width)) / shown.width(); break;
    }
    // No side beyond the limit of every picture file.
    zoom = std::min(zoom, double(largest_picture_pixels) / std::max(shown.width(), shown.height()));
    return QSize(std::max(1, int(std::lround(shown.width() * zoom))),
                 std::max(1, int(std::lround(shown.height() * zoom))));
}

PictureActions::PictureActions(PictureWidget& picture, bool window_shortcuts)
    : QObject(&picture),
      picture_(picture),
      copy_(make_action(tr("Copy picture"), QKeySequence::Copy, this, window_shortcuts)),
      save_(make_action(tr("Save picture…"), QKeySequence::Save, this, window_shortcuts)),
      print_(make_action(tr("Print…"), QKeySequence::Print, this, window_shortcuts)),
      separator_(new QAction(this)),
      window_shortcuts_(window_shortcuts) {
    separator_->setSeparator(true);
    connect(copy_, &QAction::triggered, this, [this] { copy(); });
    connect(save_, &QAction::triggered, this, [this] { save_with_dialog(); });
    connect(print_, &QAction::triggered, this, [this] { print_with_dialog(); });
    picture.setContextMenuPolicy(Qt::ActionsContextMenu);
    picture.addActions({copy_, save_, print_});
}

void PictureActions::add_action(QAction* action) {
    if (picture_.actions().contains(action)) return;
    if (!picture_.actions().contains(separator_)) picture_.addAction(separator_);
    picture_.addAction(action);
}

QSize PictureActions::shown_pixels() const {
    const double ratio = picture_.devicePixelRatioF();
    return QSize(int(std::lround(picture_.width() * ratio)),
                 int(std::lround(picture_.height() * ratio)));
}

double PictureActions::min_text_pixels(QSize pixels) const {
    if (picture_.width() <= 0) return 0;
    // As on the screen, grown with the picture.
    return picture_.min_text_pixels() * pixels.width() / picture_.width();
}

QString PictureActions::title() const { return picture_.window()->windowTitle().trimmed(); }

QString PictureActions::file_stem() const {
    return picture_file_stem(picture_.window()->objectName(), picture_.objectName());
}

QImage PictureActions::image(QSize pixels) const {
    if (picture_.surface() == nullptr) return {};
    return render_image(*picture_.surface(), pixels, min_text_pixels(pixels));
}

void PictureActions::copy() const {
    const QImage picture = image(shown_pixels());
    if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

bool PictureActions::save(const QString& file, QSize pixels, QString* error) const {
    const auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const auto format = format_of_file(file);
    if (!format) return fail(tr("The file's name must end in .png, .svg or .pdf."));
    if (picture_.surface() == nullptr) return fail(tr("There is no picture to save."));
    const QByteArray bytes =
        encode_picture(*picture_.surface(), *format, pixels, title(), min_text_pixels(pixels));
    if (bytes.isEmpty()) return fail(tr("The picture could not be painted at that size."));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        return fail(out.errorString());
    }
    return true;
}

void PictureActions::print(QPrinter& printer) const {
    if (picture_.surface() == nullptr) return;
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = painter.viewport();
    const QSizeF shown = QSizeF(picture_.size());
    if (shown.isEmpty()) return;
    const double fit = std::min(page.width() / shown.width(), page.height() / shown.height());
    const QSize pixels = (shown * fit).toSize();
    painter.translate((page.width() - pixels.width()) / 2.0,
                      (page.height() - pixels.height()) / 2.0);
    paint_display_list(painter, *picture_.surface(), QSizeF(pixels), 0, min_text_pixels(pixels));
}

void PictureActions::save_with_dialog() {
    QWidget* window = picture_.window();
    QFileDialog dialog(window, tr("Save picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog, so that the size can be chosen in it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters{tr("PNG image (*.png)"), tr("SVG drawing (*.svg)"),
                              tr("PDF document (*.pdf)")};
    const QStringList suffixes{"png", "svg", "pdf"};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.front());
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(int(filters.indexOf(filter)), suffixes.front()));
    });
    dialog.selectFile(file_stem() + QStringLiteral(".png"));

    const QSize shown = shown_pixels();
    auto* sizes = new QComboBox;
    const auto described = [](const QString& text, QSize s) {
        return text.arg(s.width()).arg(s.height());
    };
    sizes->addItem(described(tr("As shown (%1 × %2)"), shown));
    sizes->addItem(described(tr("2× (%1 × %2)"), saved_pixels(shown, {SaveSize::Kind::twice})));
    sizes->addItem(
        described(tr("4× (%1 × %2)"), saved_pixels(shown, {SaveSize::Kind::four_times})));
    sizes->addItem(tr("Width in pixels:"));
    auto* width = new QSpinBox;
    width->setRange(smallest_saved_width, largest_saved_width);
    width->setValue(std::clamp(shown.width() * 2, smallest_saved_width, largest_saved_width));
    width->setSuffix(tr(" px"));
    width->setEnabled(false);
    connect(sizes, &QComboBox::currentIndexChanged, width,
            [=](int index) { width->setEnabled(index == 3); });
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* row = new QHBoxLayout;
        row->addWidget(sizes);
        row->addWidget(width);
        row->addStretch();
        const int at = grid->rowCount();
        auto* label = new QLabel(tr("Size:"));
        label->setBuddy(sizes);
        grid->addWidget(label, at, 0);
        grid->addLayout(row, at, 1, 1, -1);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;

    static constexpr SaveSize::Kind kinds[] = {SaveSize::Kind::shown, SaveSize::Kind::twice,
                                               SaveSize::Kind::four_times, SaveSize::Kind::width};
    const SaveSize choice{kinds[std::clamp(sizes->currentIndex(), 0, 3)], width->value()};
    QString error;
    if (!save(dialog.selectedFiles().front(), saved_pixels(shown, choice), &error)) {
        QMessageBox::warning(window, tr("Save picture"),
                             tr("The picture could not be saved: %1").arg(error));
    }
}

void PictureActions::print_with_dialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(file_stem());
    QPrintDialog dialog(&printer, picture_.window());
    dialog.setWindowTitle(tr("Print picture"));
    if (dialog.exec() == QDialog::Accepted) print(printer);
}

}  // namespace rainbow
