#include "platform/qt/scripted_desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/forms/controls.h"
#include "platform/qt/user_input.h"

namespace platform::qt {

int ScriptedDesktop::messageBox(const QString& text, desktop::Buttons buttons,
                                const QString& title) {
    // Printed, and maybe raised for a question left without answer, before the box shows.
    const int answer = script_.messageBox(text, buttons, title);
    answer_ = [this, answer](QDialog& box) { answerBox(box, answer); };
    const int got = QtDesktop::messageBox(text, buttons, title);
    if (got != answer) {
        script_.failLater(QStringLiteral("la boîte %1 a répondu %2 au lieu de %3")
                              .arg(headless::quoted(title), headless::answerName(got),
                                   headless::answerName(answer)));
    }
    return got;
}

bool ScriptedDesktop::showOpenDialog(forms::CommonDialog& dialog) {
    // The script's desktop prints the choice and sets the file name; the dialog on screen must
    // come to the same, from the name as it was.
    const QString before = dialog.FileName;
    const bool chosen = script_.showOpenDialog(dialog);
    const QString path = dialog.FileName;
    dialog.FileName = before;
    const std::optional<QString> choice = chosen ? std::optional(path) : std::nullopt;
    answer_ = [this, choice](QDialog& files) { fillIn(files, choice); };
    const bool got = QtDesktop::showOpenDialog(dialog);
    if (got != chosen || (got && dialog.FileName != path)) {
        script_.failLater(
            QStringLiteral("le dialogue a rendu %1 au lieu de %2")
                .arg(got ? headless::quoted(dialog.FileName) : QStringLiteral("cancel"),
                     chosen ? headless::quoted(path) : QStringLiteral("cancel")));
    }
    return got;
}

int ScriptedDesktop::runModal(QDialog& dialog) {
    std::function<void(QDialog&)> answer = std::exchange(answer_, nullptr);
    if (!answer) {
        answer = [this](QDialog& unexpected) {
            script_.failLater(QStringLiteral("une fenêtre que le script ne sait pas fermer"));
            unexpected.reject();
        };
    }
    // Answered from inside the dialog's own event loop, once it is on screen.
    QTimer::singleShot(0, &dialog, [answer, &dialog] { answer(dialog); });
    const QPointer<QWidget> before = QApplication::activeWindow();
    const int result = QtDesktop::runModal(dialog);
    // The focus goes back to the window the dialog came over, as a window manager gives it
    // back; an X server of its own has none.
    if (before != nullptr && before->isVisible()) {
        before->activateWindow();
        raised_ = before;
    }
    return result;
}

void ScriptedDesktop::clickToAnswer(QDialog& dialog, QAbstractButton* button, const QString& name) {
    const std::optional<QPoint> point =
        button != nullptr ? input::clickablePoint(*button) : std::nullopt;
    if (point) {
        input::click(*button, *point);
    }
    if (dialog.isVisible()) {
        script_.failLater(QStringLiteral("le bouton %1 de la fenêtre %2 ne la ferme pas")
                              .arg(name, headless::quoted(dialog.windowTitle())));
        dialog.reject();
    }
}

void ScriptedDesktop::answerBox(QDialog& dialog, int answer) {
    auto& box = static_cast<QMessageBox&>(dialog);
    QMessageBox::StandardButton button = QMessageBox::Ok;
    if (answer == desktop::vbYes) {
        button = QMessageBox::Yes;
    } else if (answer == desktop::vbNo) {
        button = QMessageBox::No;
    }
    clickToAnswer(box, box.button(button), headless::answerName(answer));
}

void ScriptedDesktop::fillIn(QDialog& dialog, const std::optional<QString>& path) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (buttons == nullptr || name == nullptr) {
        clickToAnswer(dialog, nullptr, QStringLiteral("du dialogue"));
        return;
    }
    if (!path) {
        clickToAnswer(dialog, buttons->button(QDialogButtonBox::Cancel), QStringLiteral("Annuler"));
        return;
    }
    // The whole path pasted over the name box: typed key by key, each '/' would open a folder.
    if (const std::optional<QPoint> point = input::clickablePoint(*name)) {
        input::click(*name, *point);
        QGuiApplication::clipboard()->setText(*path);
        input::key(*name, Qt::Key_A, {}, Qt::ControlModifier);
        input::key(*name, Qt::Key_V, {}, Qt::ControlModifier);
    }
    clickToAnswer(dialog, buttons->button(QDialogButtonBox::Open), QStringLiteral("Ouvrir"));
}

void ScriptedDesktop::programEnded() {
    script_.programEnded();
    QtDesktop::programEnded();
}

void ScriptedDesktop::formShown(forms::Form& form) {
    script_.formShown(form);
    QtDesktop::formShown(form);
    raised_ = windowFor(form);
}

void ScriptedDesktop::formHidden(forms::Form& form) {
    script_.formHidden(form);
    QtDesktop::formHidden(form);
}

void ScriptedDesktop::formUnloaded(forms::Form& form) {
    script_.formUnloaded(form);
    QtDesktop::formUnloaded(form);
}

}  // namespace platform::qt
