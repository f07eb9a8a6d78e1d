// One widget per control of a window: created from the control's kind, brought in line with the
// model by sync(), and feeding user input back to the model as its events.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/forms/control.h"
#include "platform/qt/user_action.h"
#include "platform/qt/visual_sync.h"

namespace platform::qt {

class ControlView {
public:
    virtual ~ControlView() = default;
    virtual QWidget* widget() const = 0;
    virtual const forms::Control& control() const = 0;
    // Brings the widget in line with the model.
    virtual void sync() = 0;
    // The model is about to be destroyed: nothing may read it any more.
    virtual void detach() {}
};

// The view of `control` on `parent`, or null for a control without a widget (menu items, the
// file dialog). User input runs through `run`.
std::unique_ptr<ControlView> createControlView(forms::Control& control, QWidget* parent,
                                               const ActionRunner& run);

// What the views of every kind share: the model, the widget, the last colours applied.
template <class Model, class Widget>
class ViewOf : public ControlView {
public:
    ViewOf(Model& model, Widget* widget, ActionRunner run)
        : model_(model), widget_(widget), run_(std::move(run)) {}
    QWidget* widget() const override { return widget_; }
    const forms::Control& control() const override { return model_; }
    void sync() override {
        syncVisual(*widget_, model_, colours_);
        syncContent();
    }

protected:
    virtual void syncContent() = 0;
    // The user clicked the control: its Click runs as one action.
    void runClick() {
        run_([this] {
            if (model_.Click) {
                model_.Click();
            }
        });
    }

    Model& model_;
    Widget* widget_;  // owned by its parent widget
    ActionRunner run_;

private:
    AppliedColours colours_;
};

}  // namespace platform::qt
