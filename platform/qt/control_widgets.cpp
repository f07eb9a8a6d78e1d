#include "platform/qt/control_widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
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

// Runs `click` when the left button is released over the widget: labels, pictures, frames and
// progress bars have no signal of their own for a click.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* widget, std::function<void()> click)
        : QObject(widget), click_(std::move(click)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto& mouse = static_cast<QMouseEvent&>(*event);
            if (mouse.button() == Qt::LeftButton &&
                static_cast<QWidget*>(target)->rect().contains(mouse.position().toPoint())) {
                click_();
            }
        }
        return false;
    }

private:
    std::function<void()> click_;
};

class LabelView : public ViewOf<Label, QLabel> {
public:
    LabelView(Label& label, QWidget* parent, const ActionRunner& run)
        : ViewOf(label, new QLabel(parent), run) {
        new ClickFilter(widget_, [this] { runClick(); });
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
        QObject::connect(widget_, &QPushButton::clicked, widget_, [this] { runClick(); });
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
        : ViewOf(frame, new QGroupBox(parent), run) {
        new ClickFilter(widget_, [this] { runClick(); });
    }

protected:
    void syncContent() override {
        if (widget_->title() != model_.Caption) {
            widget_->setTitle(model_.Caption);
        }
    }
};

// A list widget that reports the entries the user picks: a click on an entry (the current one
// too, so that a second click on it runs the list's Click again), or a key that moves the cursor
// to another entry. Filling, showing, focusing or syncing the list moves its cursor as well;
// that reports nothing.
class PickingList : public QListWidget {
public:
    explicit PickingList(QWidget* parent) : QListWidget(parent) {
        connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            if (picked) {
                picked(item);
            }
        });
    }
    std::function<void(QListWidgetItem*)> picked;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QListWidgetItem* before = currentItem();
        QListWidget::keyPressEvent(event);
        if (currentItem() != nullptr && currentItem() != before && picked) {
            picked(currentItem());
        }
    }
};

// List boxes, file lists and folder lists: the entries, and the selected one.
class ListView : public ViewOf<ListControl, PickingList> {
public:
    ListView(ListControl& list, QWidget* parent, const ActionRunner& run)
        : ViewOf(list, new PickingList(parent), run) {
        const auto pick = [this](QListWidgetItem* item) {
            // Run from the event loop, not inside the list's own signal: the sync that follows
            // the action may refill this very list.
            const QString text = item->text();
            QMetaObject::invokeMethod(
                widget_, [this, text] { run_([this, text] { model_.pick(text); }); },
                Qt::QueuedConnection);
        };
        if (list.kind() == ControlKind::DirListBox) {
            // Picking a folder opens it: a double click or Enter on the selected folder, not a
            // mere move of the cursor.
            QObject::connect(widget_, &QListWidget::itemActivated, widget_,
                             [pick](QListWidgetItem* item) {
                                 if (item->isSelected()) {
                                     pick(item);
                                 }
                             });
        } else {
            widget_->picked = pick;
        }
    }

protected:
    void syncContent() override {
        const bool refilled = shown_ != model_.items();
        if (refilled) {
            shown_ = model_.items();
            widget_->clear();
            widget_->addItems(shown_);
        }
        if (refilled || widget_->currentRow() != model_.ListIndex) {
            // Set through the view, which then knows its cursor is placed: without it, the list
            // taking the focus would put the cursor on its first entry by itself.
            widget_->setCurrentIndex(widget_->model()->index(model_.ListIndex, 0));
        }
    }

private:
    QStringList shown_;  // the entries the widget holds
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
        new ClickFilter(widget_, [this] { runClick(); });
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
        new ClickFilter(widget_, [this] { runClick(); });
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
