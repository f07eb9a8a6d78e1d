// The desktop of a real session: each loaded form is a window of its own, message boxes and the
// file dialog are Qt's, and every user action runs as one event of the session, after which the
// windows are brought in line with their models.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <map>

#include "platform/desktop/desktop.h"
#include "platform/qt/form_window.h"
#include "platform/qt/user_action.h"

namespace platform::qt {

class QtDesktop : public desktop::Desktop {
public:
    QtDesktop() = default;
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    // Runs `action` as one event of the session, then syncs every window.
    void runUserAction(const UserAction& action);
    // Brings every window in line with its form.
    void syncWindows();
    // The window of a loaded form; null when none.
    FormWindow* windowFor(const forms::Form& form) const;

    int messageBox(const QString& text, desktop::Buttons buttons, const QString& title) override;
    void doEvents() override;
    double screenWidth() const override;
    double screenHeight() const override;
    bool openHelp(const QString& path) override;
    bool openWebPage(const QString& address) override;
    void programEnded() override;

    void formLoaded(forms::Form& form) override;
    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void focusRequested(forms::Control& control) override;
    bool showOpenDialog(forms::CommonDialog& dialog) override;

protected:
    // Shows a message box or the file dialog until it is answered; returns its result.
    virtual int runModal(QDialog& dialog);

private:
    void closeRequested(forms::Form& form);
    void discard(FormWindow* window);

    std::map<const forms::Form*, FormWindow*> windows_;  // owned; deleted from the event loop
    static constexpr qint64 kRepaintMilliseconds = 16;   // the pace of doEvents' repaints
    QElapsedTimer lastRepaint_;                          // since the last repaint of doEvents
};

// The dialog's filter ("Bases|*.mdb|Tous|*.*") as a file dialog's ("Bases (*.mdb);;Tous (*)").
QString qtFileFilter(const QString& filter);

}  // namespace platform::qt
