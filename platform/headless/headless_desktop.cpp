#include "platform/headless/headless_desktop.h"

#include <QFileInfo>

#include "platform/core/error.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"

namespace platform::headless {

QString answerName(int answer) {
    switch (answer) {
        case desktop::vbOK:
            return QStringLiteral("OK");
        case desktop::vbCancel:
            return QStringLiteral("Cancel");
        case desktop::vbYes:
            return QStringLiteral("Yes");
        case desktop::vbNo:
            return QStringLiteral("No");
        default:
            return QString::number(answer);
    }
}

void HeadlessDesktop::setScreen(int widthPixels, int heightPixels) {
    widthTwips_ = widthPixels * 15.0;
    heightTwips_ = heightPixels * 15.0;
}

void HeadlessDesktop::failLater(const QString& message) {
    if (!failure_) {
        failure_ = message;
    }
}

int HeadlessDesktop::messageBox(const QString& text, desktop::Buttons buttons,
                                const QString& title) {
    const bool yesNo = buttons == desktop::Buttons::YesNo;
    int answer = desktop::vbOK;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
        const bool fits =
            yesNo ? answer == desktop::vbYes || answer == desktop::vbNo : answer == desktop::vbOK;
        if (!fits) {
            failLater(QStringLiteral("la boîte %1 n'a pas de bouton %2")
                          .arg(quoted(title), answerName(answer)));
            answer = yesNo ? desktop::vbNo : desktop::vbOK;
        }
    } else if (yesNo) {
        transcript_.line(
            QStringLiteral("msgbox %1 %2 YesNo -> (no answer)").arg(quoted(title), quoted(text)));
        throw Error(err::InvalidCall, QStringLiteral("la question n'a pas reçu de réponse"));
    }
    transcript_.line(QStringLiteral("msgbox %1 %2 %3 -> %4")
                         .arg(quoted(title), quoted(text),
                              yesNo ? QStringLiteral("YesNo") : QStringLiteral("OK"),
                              answerName(answer)));
    return answer;
}

void HeadlessDesktop::doEvents() {
    if (repaintHook_) {
        repaintHook_();
    }
}

bool HeadlessDesktop::openHelp(const QString& path) {
    transcript_.line(QStringLiteral("help %1").arg(quoted(shownPath(path))));
    return true;
}

bool HeadlessDesktop::openWebPage(const QString& address) {
    transcript_.line(QStringLiteral("web %1").arg(quoted(address)));
    return true;
}

void HeadlessDesktop::programEnded() {
    transcript_.line(QStringLiteral("end"));
}

void HeadlessDesktop::formShown(forms::Form& form) {
    transcript_.line(QStringLiteral("shown ") + form.Name());
}

void HeadlessDesktop::formHidden(forms::Form& form) {
    transcript_.line(QStringLiteral("hidden ") + form.Name());
}

void HeadlessDesktop::formUnloaded(forms::Form& form) {
    transcript_.line(QStringLiteral("unloaded ") + form.Name());
}

bool HeadlessDesktop::showOpenDialog(forms::CommonDialog& dialog) {
    std::optional<QString> choice;
    if (!choices_.empty()) {
        choice = choices_.front();
        choices_.pop_front();
    }
    if (choice && !QFileInfo(*choice).isFile()) {
        // An open dialog offers only files that are there.
        failLater(QStringLiteral("pas de fichier %1 à choisir").arg(quoted(shownPath(*choice))));
        choice.reset();
    }
    transcript_.line(QStringLiteral("dialog %1 -> %2")
                         .arg(quoted(dialog.Filter),
                              choice ? quoted(shownPath(*choice)) : QStringLiteral("cancel")));
    if (!choice) {
        return false;
    }
    dialog.FileName = *choice;
    return true;
}

}  // namespace platform::headless
