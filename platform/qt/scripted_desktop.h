// The Qt desktop of a scripted session: the windows are real, and the script's answers are given
// on them, as a user gives them: the message box's button clicked, the file dialog filled in and
// accepted or cancelled. The answers, the screen and the desktop's lines of the transcript come
// from the script's own headless desktop, so that both desktops print one transcript. Nothing
// is started outside the program (help viewer, browser): those are printed only.
#pragma once

#include <QAbstractButton>
#include <QPointer>
#include <QString>
#include <functional>
#include <utility>

#include "platform/headless/headless_desktop.h"
#include "platform/qt/qt_desktop.h"

namespace platform::qt {

class ScriptedDesktop : public QtDesktop {
public:
    explicit ScriptedDesktop(headless::Transcript& transcript) : script_(transcript) {}

    headless::HeadlessDesktop& script() { return script_; }
    // The window last brought to the front (a form shown, or the window a closed dialog gives
    // the focus back to); none once taken.
    QWidget* takeRaised() { return std::exchange(raised_, nullptr).data(); }

    int messageBox(const QString& text, desktop::Buttons buttons, const QString& title) override;
    // The script's desktop prints a watched window at every repaint asked for; the screen
    // repaints at its own pace.
    void doEvents() override {
        script_.doEvents();
        QtDesktop::doEvents();
    }
    double screenWidth() const override { return script_.screenWidth(); }
    double screenHeight() const override { return script_.screenHeight(); }
    bool openHelp(const QString& path) override { return script_.openHelp(path); }
    bool openWebPage(const QString& address) override { return script_.openWebPage(address); }
    void programEnded() override;

    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    bool showOpenDialog(forms::CommonDialog& dialog) override;

protected:
    int runModal(QDialog& dialog) override;

private:
    // Clicks `button` of the dialog on screen, or closes the dialog and fails the line when no
    // user could click it.
    void clickToAnswer(QDialog& dialog, QAbstractButton* button, const QString& name);
    void answerBox(QDialog& box, int answer);
    void fillIn(QDialog& files, const std::optional<QString>& path);

    headless::HeadlessDesktop script_;
    std::function<void(QDialog&)> answer_;  // how the dialog about to be shown is answered
    QPointer<QWidget> raised_;
};

}  // namespace platform::qt
