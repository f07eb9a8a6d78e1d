#include "platform/desktop/desktop.h"

#include "platform/core/error.h"

namespace platform::desktop {

namespace {
Desktop* current = nullptr;
QString& title() {
    static QString value = QStringLiteral("Recette");
    return value;
}
}  // namespace

Desktop& desktop() {
    if (current == nullptr) {
        throw Error(err::ObjectNotSet, QStringLiteral("aucun bureau n'est installé"));
    }
    return *current;
}

void setDesktop(Desktop* d) {
    current = d;
    forms::setFormHost(d);
}

QString programTitle() {
    return title();
}
void setProgramTitle(const QString& t) {
    title() = t;
}

int MsgBox(const QString& text, Buttons buttons, const QString& t) {
    return desktop().messageBox(text, buttons, t);
}

void DoEvents() {
    desktop().doEvents();
}
double ScreenWidth() {
    return desktop().screenWidth();
}
double ScreenHeight() {
    return desktop().screenHeight();
}

void End() {
    throw EndProgram{};
}

}  // namespace platform::desktop
