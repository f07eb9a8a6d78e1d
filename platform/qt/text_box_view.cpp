#include "platform/qt/text_box_view.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/qt/symbol_font.h"

namespace platform::qt {

namespace {

// The code a key press hands to KeyPress, or 0 for a key the handler never sees (arrows, Tab,
// shortcuts with Ctrl): those go to the widget untouched.
int keyCode(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Backspace:
            return 8;
        default:
            break;
    }
    const QString text = event.text();
    if (text.size() != 1 || !text[0].isPrint() ||
        (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        return 0;
    }
    return text[0].unicode();
}

// The key event that types `code` into a widget.
QKeyEvent keyFor(int code) {
    if (code == 13) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    }
    if (code == 8) {
        return QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    }
    const QChar c(static_cast<char16_t>(code));
    return QKeyEvent(QEvent::KeyPress, static_cast<int>(c.toUpper().unicode()), Qt::NoModifier,
                     QString(c));
}

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
        const int typed = keyCode(static_cast<QKeyEvent&>(*event));
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
            QKeyEvent replaced = keyFor(code);
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
