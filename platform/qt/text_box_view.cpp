#include "platform/qt/text_box_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/qt/key_codes.h"
#include "platform/qt/symbol_font.h"

namespace platform::qt {

namespace {

// Hands each key to the model's KeyPress first; the widget then gets the key the handler left
// (none when it set 0).
class KeyPressFilter : public QObject {
public:
    KeyPressFilter(forms::TextBox& box, QObject* widget, ActionRunner run)
        : QObject(widget), box_(box), run_(std::move(run)) {}

    bool eventFilter(QObject* target, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || forwarding_) {
            return false;
        }
        const int typed = keyAsciiOf(static_cast<QKeyEvent&>(*event));
        if (typed == 0) {
            return false;
        }
        int code = 0;  // stays 0 when the window is gone before the handler could run
        run_([&] {
            code = typed;
            if (box_.KeyPress) {
                box_.KeyPress(code);
            }
        });
        // The box may be destroyed by now (the handler unloaded its window): only `code` and
        // the widget are used from here on.
        if (code == typed) {
            return false;
        }
        if (code != 0) {
            QKeyEvent replaced = keyEventFor(code);
            forwarding_ = true;
            QCoreApplication::sendEvent(target, &replaced);
            forwarding_ = false;
        }
        return true;
    }

private:
    forms::TextBox& box_;
    ActionRunner run_;
    bool forwarding_ = false;  // the replacement key is on its way to the widget
};

class LineView : public ViewOf<forms::TextBox, QLineEdit> {
public:
    LineView(forms::TextBox& box, QWidget* parent, const ActionRunner& run)
        : ViewOf(box, new QLineEdit(parent), run) {
        widget_->installEventFilter(new KeyPressFilter(box, widget_, run));
        // textEdited, unlike textChanged, comes only from the user, never from a sync.
        QObject::connect(widget_, &QLineEdit::textEdited, widget_, [this](const QString& shown) {
            const QString text = showsPictograms(model_.FontName) ? fromPictograms(shown) : shown;
            run_([this, text] {
                // A paste of the same text over a selection edits nothing.
                if (model_.Text == text) {
                    return;
                }
                model_.Text = text;
                if (model_.Change) {
                    model_.Change();
                }
            });
        });
    }

protected:
    void syncContent() override {
        // The box's 0 is no limit; the line edit's is nothing at all.
        const int limit = model_.MaxLength > 0 ? model_.MaxLength : 32767;
        if (widget_->maxLength() != limit) {
            widget_->setMaxLength(limit);
        }
        const QString shown =
            showsPictograms(model_.FontName) ? toPictograms(model_.Text) : model_.Text;
        if (widget_->text() != shown) {
            widget_->setText(shown);
        }
    }
};

class AreaView : public ViewOf<forms::TextBox, QPlainTextEdit> {
public:
    AreaView(forms::TextBox& box, QWidget* parent, const ActionRunner& run)
        : ViewOf(box, new QPlainTextEdit(parent), run) {
        widget_->installEventFilter(new KeyPressFilter(box, widget_, run));
        QObject::connect(widget_, &QPlainTextEdit::textChanged, widget_, [this] {
            if (syncing_) {
                return;
            }
            QString text = widget_->toPlainText();
            text.replace(u'\n', QStringLiteral("\r\n"));
            run_([this, text] {
                // A plain text edit knows no length limit; the box keeps its own.
                const QString kept = model_.MaxLength > 0 ? text.left(model_.MaxLength) : text;
                if (model_.Text == kept) {
                    return;
                }
                model_.Text = kept;
                if (model_.Change) {
                    model_.Change();
                }
            });
        });
    }

protected:
    void syncContent() override {
        const auto scroll = model_.ScrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
        if (widget_->verticalScrollBarPolicy() != scroll) {
            widget_->setVerticalScrollBarPolicy(scroll);
        }
        QString shown = model_.Text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (widget_->toPlainText() != shown) {
            syncing_ = true;
            widget_->setPlainText(shown);
            syncing_ = false;
        }
    }

private:
    bool syncing_ = false;  // textChanged comes from our own setPlainText
};

}  // namespace

std::unique_ptr<ControlView> createTextBoxView(forms::TextBox& box, QWidget* parent,
                                               const ActionRunner& run) {
    if (box.MultiLine) {
        return std::make_unique<AreaView>(box, parent, run);
    }
    return std::make_unique<LineView>(box, parent, run);
}

}  // namespace platform::qt
