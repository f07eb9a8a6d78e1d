// What a window asks of the desktop it runs on: message boxes, the file dialog (through the
// forms' host), repainting during a long loop, the screen's size, the help viewer and the web,
// and the end of the program. The headless desktop answers from a script; the Qt one for real.
#pragma once

#include <QString>

#include "platform/forms/host.h"

namespace platform::desktop {

enum class Buttons { OK, YesNo };

// Answers of a message box, numbered as the original platform numbered them.
enum Answer { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

class Desktop : public forms::FormHost {
public:
    // A modal message box; returns the answer.
    virtual int messageBox(const QString& text, Buttons buttons, const QString& title) = 0;
    // Lets the windows repaint in the middle of a long action.
    virtual void doEvents() = 0;
    // The screen's size in twips.
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
    // Opens a help file (absolute POSIX path) in the desktop's viewer; false when none could.
    virtual bool openHelp(const QString& path) = 0;
    // Opens a web page in the desktop's browser; false when none could.
    virtual bool openWebPage(const QString& address) = 0;
    // The program has ended: no window remains.
    virtual void programEnded() = 0;
};

Desktop& desktop();
void setDesktop(Desktop* desktop);

// The title of message boxes that give none: the program's name.
QString programTitle();
void setProgramTitle(const QString& title);

// The calls of the windows.
int MsgBox(const QString& text, Buttons buttons = Buttons::OK,
           const QString& title = programTitle());
void DoEvents();
double ScreenWidth();
double ScreenHeight();
// Ends the program at once: every window is discarded without further events.
[[noreturn]] void End();

}  // namespace platform::desktop
