#include "platform/qt/control_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>

#include "platform/forms/controls.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"
#include "platform/qt/grid_model.h"
#include "platform/qt/text_box_view.h"

namespace platform::qt {

using namespace platform::forms;

namespace {

class LabelView : public ViewOf<Label, QLabel> {
public:
    LabelView(Label& label, QWidget* parent, const ActionRunner& run)
        : ViewOf(label, new QLabel(parent), run) {
        widget_->setWordWrap(true);
        // Captions are plain text: an ampersand or a '<' in a recipe title is shown as typed.
        widget_->setTextFormat(Qt::PlainText);
    }

protected:
    void syncContent() override {
        if (widget_->text() != model_.Caption) {
            widget_->setText(model_.Caption);
        }
        Qt::Alignment horizontal = Qt::AlignLeft;
        if (model_.Alignment == RightJustify) {
            horizontal = Qt::AlignRight;
        } else if (model_.Alignment == Center) {
            horizontal = Qt::AlignHCenter;
        }
        if (widget_->alignment() != (horizontal | Qt::AlignTop)) {
            widget_->setAlignment(horizontal | Qt::AlignTop);
        }
    }
};

class ButtonView : public ViewOf<CommandButton, QPushButton> {
public:
    ButtonView(CommandButton& button, QWidget* parent, const ActionRunner& run)
        : ViewOf(button, new QPushButton(parent), run) {
        QObject::connect(widget_, &QPushButton::clicked, widget_, [this] {
            run_([this] {
                if (model_.Click) {
                    model_.Click();
                }
            });
        });
    }

protected:
    void syncContent() override {
        if (widget_->text() != model_.Caption) {
            widget_->setText(model_.Caption);
        }
    }
};

class FrameView : public ViewOf<Frame, QGroupBox> {
public:
    FrameView(Frame& frame, QWidget* parent, const ActionRunner& run)
        : ViewOf(frame, new QGroupBox(parent), run) {}

protected:
    void syncContent() override {
        if (widget_->title() != model_.Caption) {
            widget_->setTitle(model_.Caption);
        }
    }
};

// List boxes, file lists and folder lists: the entries, and the selected one.
class ListView : public ViewOf<ListControl, QListWidget> {
public:
    ListView(ListControl& list, QWidget* parent, const ActionRunner& run)
        : ViewOf(list, new QListWidget(parent), run) {
        const auto pick = [this](QListWidgetItem* item) {
            if (syncing_ || item == nullptr) {
                return;
            }
            // Run from the event loop, not inside the list's own signal: the sync that follows
            // the action may refill this very list.
            const QString text = item->text();
            QMetaObject::invokeMethod(
                widget_, [this, text] { run_([this, text] { model_.pick(text); }); },
                Qt::QueuedConnection);
        };
        if (list.kind() == ControlKind::DirListBox) {
            // Picking a folder opens it: a double click or Enter, not a mere move of the cursor.
            QObject::connect(widget_, &QListWidget::itemActivated, widget_, pick);
        } else {
            QObject::connect(widget_, &QListWidget::currentItemChanged, widget_,
                             [pick](QListWidgetItem* item, QListWidgetItem*) { pick(item); });
        }
    }

protected:
    void syncContent() override {
        syncing_ = true;
        if (shown_ != model_.items()) {
            shown_ = model_.items();
            widget_->clear();
            widget_->addItems(shown_);
        }
        if (widget_->currentRow() != model_.ListIndex) {
            widget_->setCurrentRow(model_.ListIndex);
        }
        syncing_ = false;
    }

private:
    QStringList shown_;     // the entries the widget holds
    bool syncing_ = false;  // selection changes come from the model, not the user
};

class DriveView : public ViewOf<DriveListBox, QComboBox> {
public:
    DriveView(DriveListBox& drives, QWidget* parent, const ActionRunner& run)
        : ViewOf(drives, new QComboBox(parent), run) {
        // activated, unlike currentIndexChanged, comes only from the user.
        QObject::connect(widget_, &QComboBox::activated, widget_, [this](int index) {
            const QString text = widget_->itemText(index);
            QMetaObject::invokeMethod(
                widget_, [this, text] { run_([this, text] { model_.setDrive(text); }); },
                Qt::QueuedConnection);
        });
    }

protected:
    void syncContent() override {
        if (shown_ != model_.items()) {
            shown_ = model_.items();
            widget_->clear();
            widget_->addItems(shown_);
        }
        if (widget_->currentIndex() != model_.ListIndex) {
            widget_->setCurrentIndex(model_.ListIndex);
        }
    }

private:
    QStringList shown_;
};

class PictureView : public ViewOf<Picture, QLabel> {
public:
    PictureView(Picture& picture, QWidget* parent, const ActionRunner& run)
        : ViewOf(picture, new QLabel(parent), run) {
        widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void syncContent() override {
        const QSize size = widget_->size();
        const qint64 key = model_.image().cacheKey();
        if (key == shownKey_ && size == shownSize_ && model_.Stretch == shownStretch_) {
            return;  // scaling a picture is costly: only when something changed
        }
        shownKey_ = key;
        shownSize_ = size;
        shownStretch_ = model_.Stretch;
        if (model_.isEmpty()) {
            widget_->clear();
            return;
        }
        QPixmap pixmap = QPixmap::fromImage(model_.image());
        if (model_.Stretch) {
            pixmap = pixmap.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        widget_->setPixmap(pixmap);
    }

private:
    qint64 shownKey_ = -1;
    QSize shownSize_;
    bool shownStretch_ = false;
};

class ProgressView : public ViewOf<ProgressBar, QProgressBar> {
public:
    ProgressView(ProgressBar& bar, QWidget* parent, const ActionRunner& run)
        : ViewOf(bar, new QProgressBar(parent), run) {
        widget_->setTextVisible(false);
    }

protected:
    void syncContent() override {
        const int low = static_cast<int>(std::lround(model_.Min));
        const int high = static_cast<int>(std::lround(model_.Max));
        if (widget_->minimum() != low || widget_->maximum() != high) {
            widget_->setRange(low, high);
        }
        const int value = static_cast<int>(std::lround(model_.value()));
        if (widget_->value() != value) {
            widget_->setValue(value);
        }
    }
};

}  // namespace

std::unique_ptr<ControlView> createControlView(Control& control, QWidget* parent,
                                               const ActionRunner& run) {
    switch (control.kind()) {
        case ControlKind::Label:
            return std::make_unique<LabelView>(static_cast<Label&>(control), parent, run);
        case ControlKind::TextBox:
            return createTextBoxView(static_cast<TextBox&>(control), parent, run);
        case ControlKind::ListBox:
        case ControlKind::FileListBox:
        case ControlKind::DirListBox:
            return std::make_unique<ListView>(static_cast<ListControl&>(control), parent, run);
        case ControlKind::DriveListBox:
            return std::make_unique<DriveView>(static_cast<DriveListBox&>(control), parent, run);
        case ControlKind::Picture:
            return std::make_unique<PictureView>(static_cast<Picture&>(control), parent, run);
        case ControlKind::Frame:
            return std::make_unique<FrameView>(static_cast<Frame&>(control), parent, run);
        case ControlKind::CommandButton:
            return std::make_unique<ButtonView>(static_cast<CommandButton&>(control), parent, run);
        case ControlKind::Grid:
            return createGridView(static_cast<Grid&>(control), parent, run);
        case ControlKind::ProgressBar:
            return std::make_unique<ProgressView>(static_cast<ProgressBar&>(control), parent, run);
        case ControlKind::MenuItem:
        case ControlKind::CommonDialog:
            return nullptr;
    }
    return nullptr;
}

}  // namespace platform::qt
