#include "qt/form_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "forms/controls.h"
#include "qt/accessibility.h"
#include "qt/focus_frame.h"
#include "qt/fonts.h"
#include "qt/help_window.h"
#include "qt/picture_actions.h"
#include "qt/picture_widget.h"
#include "qt/screen_fit.h"

namespace rainbow {
namespace {

QString qstring(const std::string& s) { return QString::fromStdString(s); }

QColor to_qcolor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Qt's scroll bars hold the smaller number at the top (or left) end. A bar whose Min
// exceeds its Max has Min at that end, so its value is mirrored within the range; the
// mirror is its own inverse.
int mirrored_value(const ScrollBar& bar, int value) {
    return bar.min() > bar.max() ? bar.min() + bar.max() - value : value;
}

// A command button whose caption wraps onto several lines, centred, as the windows'
// buttons do.
class CaptionButton : public QPushButton {
public:
    explicit CaptionButton(QWidget* parent) : QPushButton(parent), label_(new QLabel(this)) {
        label_->setWordWrap(true);
        label_->setAlignment(Qt::AlignCenter);
        label_->setTextFormat(Qt::PlainText);
        label_->setAttribute(Qt::WA_TransparentForMouseEvents);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(3, 1, 3, 1);
        layout->addWidget(label_);
    }
    void set_caption(const QString& caption) {
        if (label_->text() == caption) return;
        label_->setText(caption);
        setAccessibleName(caption);
    }

private:
    QLabel* label_;
};

void set_text_color(QWidget* widget, Rgb color) {
    QPalette palette = widget->palette();
    const QColor c = to_qcolor(color);
    if (palette.color(QPalette::WindowText) == c && palette.color(QPalette::ButtonText) == c) {
        return;
    }
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::ButtonText, c);
    palette.setColor(QPalette::Text, c);
    widget->setPalette(palette);
}

void set_background(QWidget* widget, const std::optional<Rgb>& color) {
    widget->setAutoFillBackground(color.has_value());
    if (!color) return;
    QPalette palette = widget->palette();
    if (palette.color(QPalette::Window) == to_qcolor(*color)) return;
    palette.setColor(QPalette::Window, to_qcolor(*color));
    widget->setPalette(palette);
}

int pixels(double v) {
    if (!std::isfinite(v)) return 0;
    return int(std::lround(std::clamp(v, -1e6, 1e6)));
}

}  // namespace

FormView::FormView(Form& form, FormViewHost& host)
    : form_(form), host_(host), window_(std::make_unique<QMainWindow>()) {
    window_->setObjectName(qstring(form.name()));
    window_->setFont(control_font(form.font, form.font_size));
    window_->installEventFilter(this);
    // The client area scrolls only where even the form scaled down does not fit.
    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setFocusPolicy(Qt::NoFocus);
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("client"));
    scroll_->setWidget(client_);
    window_->setCentralWidget(scroll_);
    sync();
}

FormView::~FormView() = default;

QWidget* FormView::widget_for(std::string_view control_name) const {
    auto it = widgets_.find(form_.find(control_name));
    return it == widgets_.end() ? nullptr : it->second.data();
}

QAction* FormView::action_for(std::string_view item_name) const {
    auto it = actions_.find(form_.find(item_name));
    return it == actions_.end() ? nullptr : it->second.data();
}

void FormView::act(Step::Action action, const Control& control, int value) {
    if (syncing_) return;
    host_.take_step(Step{action, form_.name(), control.name(), value});
}

double FormView::pixels_per_twip() const { return window_->logicalDpiX() / 1440.0; }

QRect FormView::to_pixels(const Geometry& g) const {
    const double k = pixels_per_twip() * view_scale_;
    // Each edge is rounded on its own, so that controls that meet in the model meet on the
    // screen at any scale, without a pixel of overlap.
    const int left = pixels(g.left * k);
    const int top = pixels(g.top * k);
    return QRect(left, top, std::max(0, pixels((g.left + g.width) * k) - left),
                 std::max(0, pixels((g.top + g.height) * k) - top));
}

QWidget* FormView::parent_for(const Control& control) const {
    if (Control* frame = form_.frame_of(control)) {
        auto it = widgets_.find(frame);
        if (it != widgets_.end() && it->second) return it->second;
    }
    return client_;
}

QRect FormView::pixel_rect(const Control& control) const {
    return to_pixels(form_.placed_twips(control));
}

QSize FormView::designed_content_size() const {
    const double k = pixels_per_twip();
    double right = form_.client_width_twips() * k;
    double bottom = form_.client_height_twips() * k;
    for (const auto& owned : form_.controls()) {
        const Control& c = *owned;
        if (c.kind() == ControlKind::menu || c.kind() == ControlKind::menuitem) continue;
        // What a frame holds lies within the frame.
        if (parent_for(c) != client_) continue;
        const Geometry g = form_.to_twips(c.geometry());
        if (!std::isfinite(g.left + g.width) || !std::isfinite(g.top + g.height)) continue;
        right = std::max(right, (g.left + g.width) * k);
        bottom = std::max(bottom, (g.top + g.height) * k);
    }
    return QSize(pixels(std::ceil(right)), pixels(std::ceil(bottom)));
}

void FormView::add_missing_widgets() {
    // Frames and menus first: options and menu items go inside them.
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& owned : form_.controls()) {
            Control& c = *owned;
            const bool container = c.kind() == ControlKind::frame || c.kind() == ControlKind::menu;
            if ((pass == 0) != container) continue;
            if (widgets_.count(&c) || actions_.count(&c)) continue;
            if (c.kind() == ControlKind::menuitem) {
                add_menu_item(static_cast<MenuItem&>(c));
            } else if (QWidget* w = make_widget(c)) {
                w->setObjectName(qstring(c.name()));
                widgets_[&c] = w;
            }
        }
    }
}

QWidget* FormView::make_widget(Control& control) {
    QWidget* parent = parent_for(control);
    switch (control.kind()) {
        case ControlKind::scrollbar: {
            auto& model = static_cast<ScrollBar&>(control);
            auto* bar = new QScrollBar(model.vertical() ? Qt::Vertical : Qt::Horizontal, parent);
            // The value changes when the thumb is let go, as the Change event expects.
            bar->setTracking(false);
            // Tab reaches every bar and the arrow keys move its thumb the way they point (Qt's
            // scroll bars turn Left and Right round).
            bar->setFocusPolicy(Qt::StrongFocus);
            bar->setInvertedControls(model.vertical());
            show_focus_frame(*bar);
            connect(bar, &QScrollBar::valueChanged, this, [this, &model](int v) {
                act(Step::Action::set, model, mirrored_value(model, v));
            });
            return bar;
        }
        case ControlKind::option: {
            auto& model = static_cast<OptionButton&>(control);
            auto* option = new QRadioButton(parent);
            // The model keeps one option of a group chosen; the view only shows it.
            option->setAutoExclusive(false);
            connect(option, &QRadioButton::clicked, this,
                    [this, &model] { act(Step::Action::click, model); });
            return option;
        }
        case ControlKind::button: {
            auto& model = static_cast<CommandButton&>(control);
            auto* button = new CaptionButton(parent);
            show_focus_frame(*button);
            connect(button, &QPushButton::clicked, this,
                    [this, &model] { act(Step::Action::click, model); });
            return button;
        }
        case ControlKind::label: {
            auto* label = new QLabel(parent);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::frame: return new QGroupBox(parent);
        case ControlKind::picture: {
            auto* picture = new PictureWidget(parent);
            picture->set_surface(&static_cast<PictureBox&>(control).surface());
            add_picture_menu(*picture);
            return picture;
        }
        case ControlKind::menu: {
            QMenu* menu = window_->menuBar()->addMenu(qstring(control.caption));
            menu->setToolTipsVisible(true);
            menus_[control.name()] = menu;
            return menu;
        }
        case ControlKind::menuitem: break;
    }
    return nullptr;
}

void FormView::add_menu_item(MenuItem& item) {
    auto it = menus_.find(item.container);
    QWidget* owner =
        it != menus_.end() && it->second ? static_cast<QWidget*>(it->second) : window_->menuBar();
    auto* action = new QAction(qstring(item.caption), owner);
    action->setObjectName(qstring(item.name()));
    // Every item can show a tick; the model decides whether it does.
    action->setCheckable(true);
    owner->addAction(action);
    connect(action, &QAction::triggered, this, [this, &item] { act(Step::Action::click, item); });
    actions_[&item] = action;
}

void FormView::add_picture_menu(PictureWidget& picture) {
    // The first picture of a window takes the shortcuts of the whole window.
    picture_menus_.push_back(new PictureActions(picture, picture_menus_.empty()));
}

void FormView::sync() {
    syncing_ = true;
    add_missing_widgets();
    sync_window();
    const QList<QAction*> shared_actions = host_.picture_actions();
    for (PictureActions* menu : picture_menus_) {
        // Help on this window's page, then what the whole program offers (lessons).
        menu->add_action(make_help_action(window_.get()));
        for (QAction* action : shared_actions) menu->add_action(action);
    }
    for (auto& [control, widget] : widgets_) {
        if (widget) sync_control(*control, widget);
    }
    for (auto& [control, action] : actions_) {
        if (!action) continue;
        const auto& item = static_cast<const MenuItem&>(*control);
        action->setText(qstring(item.caption));
        action->setChecked(item.checked);
        action->setVisible(item.visible);
        describe_action(*action, form_.name(), item.description);
    }
    syncing_ = false;
}

void FormView::sync_window() {
    const QString title = qstring(form_.caption);
    if (window_->windowTitle() != title) window_->setWindowTitle(title);

    // Where the designed layout does not fit in the desktop's work area, the whole form is
    // scaled down: places, sizes and fonts alike.
    const QRect area = usable_area(*window_);
    const int menu = form_.has_menu() ? window_->menuBar()->sizeHint().height() : 0;
    const QSize content = designed_content_size();
    const double scale =
        fit_scale(QSizeF(content), QSizeF(area.width(), std::max(0, area.height() - menu)));
    const bool rescaled = scale != view_scale_;
    view_scale_ = scale;
    // Rounded down, so that content scaled to fit the room exactly never needs a scroll bar.
    const QSize shown_content(int(content.width() * scale), int(content.height() * scale));
    client_->setMinimumSize(shown_content);

    const Geometry& g = form_.geometry();
    if (applied_geometry_ != g || rescaled || applied_content_ != shown_content) {
        applied_geometry_ = g;
        applied_content_ = shown_content;
        const Screen screen = host_.screen();
        const bool fills_screen = g.left <= 0 && g.top <= 0 && g.width >= screen.width_twips &&
                                  g.height >= screen.height_twips;
        // The model's size is applied even when the window is maximised: without a window
        // manager, nobody else would size it. It holds every control, and never exceeds the
        // work area.
        const QRect outer = to_pixels(g);
        const QSize client =
            to_pixels(Geometry{0, 0, form_.client_width_twips(), form_.client_height_twips()})
                .size()
                .expandedTo(shown_content);
        window_->setWindowState(window_->windowState() & ~Qt::WindowMaximized);
        if (!area.isEmpty()) {
            // The frame, if any, goes at the work area's corner.
            window_->move(work_area(*window_).topLeft() + outer.topLeft());
            window_->resize(std::clamp(client.width(), 1, area.width()),
                            std::clamp(client.height() + menu, 1, area.height()));
        } else {
            window_->move(outer.topLeft());
            window_->resize(std::max(1, client.width()), std::max(1, client.height() + menu));
        }
        if (fills_screen) window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
    }

    if (const Surface* surface = form_.client_surface()) {
        if (client_picture_ == nullptr) {
            client_picture_ = new PictureWidget(client_);
            client_picture_->setObjectName(QStringLiteral("client"));
            client_picture_->set_surface(surface);
            add_picture_menu(*client_picture_);
            describe_widget(*client_picture_, form_.name(), form_.client_description, "");
            client_picture_->lower();
            client_picture_->show();
        }
        const QRect area =
            to_pixels(Geometry{0, 0, surface->width_twips(), surface->height_twips()});
        if (client_picture_->geometry() != area) client_picture_->setGeometry(area);
        client_picture_->refresh();
    }

    if (form_.shown && !window_->isVisible()) {
        window_->show();
    } else if (!form_.shown && window_->isVisible()) {
        window_->hide();
    }
}

void FormView::sync_control(Control& control, QWidget* widget) {
    if (control.kind() == ControlKind::menu) {
        auto* menu = static_cast<QMenu*>(widget);
        menu->setTitle(qstring(control.caption));
        menu->menuAction()->setVisible(control.visible);
        describe_widget(*menu, form_.name(), control.description, control.caption);
        describe_action(*menu->menuAction(), form_.name(), control.description);
        return;
    }
    const QRect rect = pixel_rect(control);
    if (widget->geometry() != rect) widget->setGeometry(rect);
    const QFont font = control_font(control.font, scaled_points(control.font_size, view_scale_));
    if (widget->font() != font) widget->setFont(font);
    const QString caption = qstring(control.caption);

    switch (control.kind()) {
        case ControlKind::scrollbar: {
            const auto& model = static_cast<const ScrollBar&>(control);
            auto* bar = static_cast<QScrollBar*>(widget);
            bar->setRange(std::min(model.min(), model.max()), std::max(model.min(), model.max()));
            bar->setPageStep(std::max(1, model.large_change));
            bar->setSingleStep(std::max(1, model.small_change));
            bar->setValue(mirrored_value(model, model.value()));
            break;
        }
        case ControlKind::option: {
            auto* option = static_cast<QRadioButton*>(widget);
            if (option->text() != caption) option->setText(caption);
            option->setChecked(static_cast<const OptionButton&>(control).value());
            set_text_color(option, control.fore_color);
            break;
        }
        case ControlKind::button: static_cast<CaptionButton*>(widget)->set_caption(caption); break;
        case ControlKind::label: {
            auto* label = static_cast<QLabel*>(widget);
            if (label->text() != caption) label->setText(caption);
            set_text_color(label, control.fore_color);
            set_background(label, control.back_color);
            break;
        }
        case ControlKind::frame: {
            auto* frame = static_cast<QGroupBox*>(widget);
            if (frame->title() != caption) frame->setTitle(caption);
            break;
        }
        case ControlKind::picture: static_cast<PictureWidget*>(widget)->refresh(); break;
        case ControlKind::menu:
        case ControlKind::menuitem: break;
    }
    describe_widget(*widget, form_.name(), control.description, control.caption);
    widget->setVisible(control.visible);
}

void FormView::activate() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

bool FormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() && event->type() == QEvent::Close && window_->isVisible()) {
        // The models decide what closing a window means; the window follows at the next sync.
        event->ignore();
        host_.close_requested(form_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rainbow
