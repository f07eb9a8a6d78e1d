// One loaded form on screen: a main window with the form's menu bar and, in its central widget,
// one widget per control placed from its twips. The window only reflects the model; closing it
// by its frame is handed to the desktop, which decides.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/form.h"
#include "platform/qt/control_widgets.h"
#include "platform/qt/menu_bar.h"

namespace platform::qt {

class FormWindow : public QMainWindow {
public:
    // `run` runs a user action as an event; `closeRequested` is asked when the frame closes.
    FormWindow(forms::Form& form, ActionRunner run, std::function<void()> closeRequested);
    ~FormWindow() override;

    // The form shown, or null once detached.
    forms::Form* form() const { return form_; }
    // Brings the window and every widget in line with the model.
    void sync();
    // The form is about to be destroyed: the window hides and reads nothing of it any more.
    void detach();

    QWidget* widgetFor(const forms::Control& control) const;
    QAction* actionFor(const forms::MenuItem& item) const { return menus_.actionFor(item); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void syncGeometry();

    forms::Form* form_;
    std::function<void()> closeRequested_;
    QWidget* surface_;  // the central widget the controls are placed on
    std::vector<std::unique_ptr<ControlView>> views_;
    MenuBarView menus_;
    QRectF placed_;  // the form's geometry in twips last applied
    QColor background_;
};

}  // namespace platform::qt
