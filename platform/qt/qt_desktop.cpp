#include "platform/qt/qt_desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "platform/core/error.h"
#include "platform/desktop/session.h"
#include "platform/files/names.h"
#include "platform/forms/controls.h"
#include "platform/forms/instances.h"
#include "platform/qt/units.h"

namespace platform::qt {

namespace {

// The window a dialog belongs to: the active one, so that it opens in front of it.
QWidget* dialogParent() {
    return QApplication::activeWindow();
}

}  // namespace

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            // "*.*" means every file; on Linux it would miss the names without a dot.
            if (p == u"*.*") {
                p = QStringLiteral("*");
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

QtDesktop::~QtDesktop() {
    for (auto& [form, window] : windows_) {
        window->detach();
        delete window;
    }
}

void QtDesktop::runUserAction(const UserAction& action) {
    desktop::runEvent(action);
    syncWindows();
}

void QtDesktop::syncWindows() {
    for (auto& [form, window] : windows_) {
        window->sync();
    }
}

FormWindow* QtDesktop::windowFor(const forms::Form& form) const {
    const auto it = windows_.find(&form);
    return it != windows_.end() ? it->second : nullptr;
}

int QtDesktop::messageBox(const QString& text, desktop::Buttons buttons, const QString& title) {
    // What the handler changed so far is on screen while the question is asked.
    syncWindows();
    QMessageBox box(dialogParent());
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (buttons == desktop::Buttons::YesNo) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);  // closing the box is not a yes
        return runModal(box) == QMessageBox::Yes ? desktop::vbYes : desktop::vbNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    runModal(box);
    return desktop::vbOK;
}

int QtDesktop::runModal(QDialog& dialog) {
    return dialog.exec();
}

void QtDesktop::doEvents() {
    // The widgets always follow their models; but a screen shows some sixty frames a second,
    // so a loop asking for a repaint after each of thousands of small files is painted, and
    // hears the user, at that pace rather than at the cost of a frame per file.
    syncWindows();
    if (lastRepaint_.isValid() && lastRepaint_.elapsed() < kRepaintMilliseconds) {
        return;
    }
    QCoreApplication::processEvents();
    lastRepaint_.start();
}

double QtDesktop::screenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? toTwips(screen->size().width()) : 1024 * 15.0;
}

double QtDesktop::screenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? toTwips(screen->size().height()) : 768 * 15.0;
}

bool QtDesktop::openHelp(const QString& path) {
    const QFileInfo help(path);
    if (!help.isFile()) {
        return false;
    }
    if (help.suffix().compare(QStringLiteral("chm"), Qt::CaseInsensitive) == 0) {
        // A compiled help file needs a viewer of its own, which few desktops have; the same help
        // ships as a page beside it for the others.
        for (const char* viewer : {"xchm", "kchmviewer", "chmsee"}) {
            const QString program = QStandardPaths::findExecutable(QString::fromLatin1(viewer));
            if (!program.isEmpty()) {
                return QProcess::startDetached(program, {help.absoluteFilePath()});
            }
        }
        const QString page =
            help.absolutePath() + u'/' + help.completeBaseName() + QStringLiteral(".html");
        return QFileInfo(page).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(help.absoluteFilePath()));
}

bool QtDesktop::openWebPage(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtDesktop::programEnded() {
    // The forms were discarded without being unloaded one by one: no window may read them.
    for (auto& [form, window] : windows_) {
        discard(window);
    }
    windows_.clear();
    QCoreApplication::quit();
}

void QtDesktop::formLoaded(forms::Form& form) {
    windows_[&form] = new FormWindow(
        form, [this](const UserAction& action) { runUserAction(action); },
        [this, &form] { closeRequested(form); });
}

void QtDesktop::formShown(forms::Form& form) {
    if (FormWindow* window = windowFor(form)) {
        window->sync();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void QtDesktop::formHidden(forms::Form& form) {
    if (FormWindow* window = windowFor(form)) {
        window->hide();
    }
}

void QtDesktop::formUnloaded(forms::Form& form) {
    const auto it = windows_.find(&form);
    if (it != windows_.end()) {
        discard(it->second);
        windows_.erase(it);
    }
}

void QtDesktop::discard(FormWindow* window) {
    window->detach();
    // The unload may come from a signal of this very window (a button, its close box): the
    // widgets are deleted once that signal is over.
    window->deleteLater();
}

void QtDesktop::focusRequested(forms::Control& control) {
    FormWindow* window = windowFor(control.form());
    QWidget* widget = window != nullptr ? window->widgetFor(control) : nullptr;
    if (widget != nullptr) {
        window->sync();  // a control just made visible can take the focus
        widget->setFocus(Qt::OtherFocusReason);
    }
}

bool QtDesktop::showOpenDialog(forms::CommonDialog& dialog) {
    QString folder;
    if (!dialog.InitDir.isEmpty()) {
        try {
            folder = files::resolve(dialog.InitDir);
        } catch (const Error&) {
            folder.clear();  // an unmapped drive: the dialog opens where it likes
        }
    }
    syncWindows();
    // Qt's own dialog, not the desktop's: the same French dialog on every desktop, and the one
    // the scripted sessions fill in.
    QFileDialog files(dialogParent(), dialog.DialogTitle, folder, qtFileFilter(dialog.Filter));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptOpen);
    files.setFileMode(QFileDialog::ExistingFile);
    if (runModal(files) != QDialog::Accepted || files.selectedFiles().isEmpty()) {
        return false;
    }
    dialog.FileName = files.selectedFiles().constFirst();
    return true;
}

void QtDesktop::closeRequested(forms::Form& form) {
    runUserAction([&form] {
        if (form.closeCommand) {
            form.closeCommand();
        } else {
            forms::Unload(form);
        }
    });
}

}  // namespace platform::qt
