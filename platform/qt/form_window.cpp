#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QPalette>

#include "platform/qt/units.h"

namespace platform::qt {

FormWindow::FormWindow(forms::Form& form, ActionRunner run, std::function<void()> closeRequested)
    : form_(&form), closeRequested_(std::move(closeRequested)), surface_(new QWidget(this)) {
    setCentralWidget(surface_);
    // Input reaching a window whose form is gone (an event already queued) is dropped.
    const ActionRunner guarded = [this, run = std::move(run)](const UserAction& action) {
        if (form_ != nullptr) {
            run(action);
        }
    };
    menus_.build(*menuBar(), form, guarded);
    if (menus_.empty()) {
        menuBar()->hide();
    }
    for (forms::Control* control : form.Controls()) {
        if (auto view = createControlView(*control, surface_, guarded)) {
            views_.push_back(std::move(view));
        }
    }
    // The model knows no containers: a frame drawn over the controls placed on it would hide
    // them, so frames go to the back.
    for (const auto& view : views_) {
        if (view->control().kind() == forms::ControlKind::Frame) {
            view->widget()->lower();
        }
    }
    sync();
}

FormWindow::~FormWindow() = default;

void FormWindow::sync() {
    if (form_ == nullptr) {
        return;
    }
    if (windowTitle() != form_->Caption) {
        setWindowTitle(form_->Caption);
    }
    syncGeometry();
    if (testAttribute(Qt::WA_Disabled) == form_->Enabled) {
        setEnabled(form_->Enabled);
    }
    if (background_ != form_->BackColor) {
        background_ = form_->BackColor;
        QPalette palette;
        if (background_.isValid()) {
            palette.setColor(QPalette::Window, background_);
        }
        surface_->setPalette(palette);
        surface_->setAutoFillBackground(background_.isValid());
    }
    menus_.sync();
    for (const auto& view : views_) {
        view->sync();
    }
}

void FormWindow::syncGeometry() {
    const QRectF wanted(form_->Left, form_->Top, form_->Width, form_->Height);
    if (wanted == placed_) {
        return;  // a size the user gave the window stays until the model changes it
    }
    placed_ = wanted;
    // The form's size includes the frame; the window's size does not.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QRect outer = toPixels(form_->Left, form_->Top, form_->Width, form_->Height);
    move(outer.topLeft());
    resize(std::max(1, outer.width() - frame.width()),
           std::max(1, outer.height() - frame.height()));
}

void FormWindow::detach() {
    for (const auto& view : views_) {
        view->detach();
    }
    form_ = nullptr;
    hide();
}

QWidget* FormWindow::widgetFor(const forms::Control& control) const {
    for (const auto& view : views_) {
        if (&view->control() == &control) {
            return view->widget();
        }
    }
    return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The window goes only when its form is unloaded; what a close means is the form's choice.
    // Only the window system's close, asked by the user on the frame, is the user's: a close()
    // from code runs nothing.
    event->ignore();
    if (event->spontaneous() && form_ != nullptr && closeRequested_) {
        closeRequested_();
    }
}

}  // namespace platform::qt
