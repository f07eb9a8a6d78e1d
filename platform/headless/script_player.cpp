#include "platform/headless/script_player.h"

#include <unistd.h>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/core/error.h"
#include "platform/desktop/session.h"
#include "platform/files/clock.h"
#include "platform/files/listing.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/files/text_file.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/grid.h"
#include "platform/forms/instances.h"
#include "platform/forms/lists.h"
#include "platform/headless/form_text.h"
#include "platform/headless/headless_driver.h"
#include "platform/printer/pdf_sink.h"
#include "platform/printer/printer.h"
#include "platform/printer/recording_sink.h"

namespace platform::headless {

using namespace platform::forms;

QStringList scriptWords(const QString& line, bool* ok) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (inQuotes) {
            if (c == u'\\' && i + 1 < line.size()) {
                const QChar next = line[++i];
                word += next == u'n' ? QStringLiteral("\r\n") : QString(next);
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                word += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            inWord = true;
        } else if (c == u'#') {
            break;
        } else if (c.isSpace()) {
            if (inWord) {
                words << word;
                word.clear();
                inWord = false;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words << word;
    }
    if (ok != nullptr) {
        *ok = !inQuotes;
    }
    return words;
}

namespace {

[[noreturn]] void fail(const QString& message) {
    throw ScriptFailure{message};
}

class Player {
public:
    Player(const QString& scriptFolder, const std::function<void()>& start,
           const std::function<void(const QString&)>& out, const DriverFactory& makeDriver)
        : scriptFolder_(scriptFolder),
          start_(start),
          transcript_(out),
          driver_(makeDriver ? makeDriver(transcript_)
                             : std::make_unique<HeadlessDriver>(transcript_)) {}

    void begin() {
        hadDataHome_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        savedDataHome_ = qgetenv("XDG_DATA_HOME");
        desktop::resetSession();
        desktop::setDesktop(&driver_->desktop());
        files::setProgramFolder(scriptFolder_);
        files::resetDrives();
        printer::printer().setSink(std::make_unique<printer::RecordingSink>(
            [this](const QString& line) { transcript_.line(line); }));
    }

    // Answers given for message boxes or dialogs that never came: the script expected
    // something the program did not do.
    bool answersLeft() const { return driver_->scriptDesktop().hasPendingAnswers(); }

    void finish() {
        desktop::setDesktop(nullptr);
        driver_.reset();  // the windows on screen go before the forms they show
        desktop::resetSession();
        files::setClock({});
        if (hadDataHome_) {
            qputenv("XDG_DATA_HOME", savedDataHome_);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }

    // Plays one line; what the line set going is over when it returns.
    void play(const QStringList& w) {
        command(w);
        driver_->lineDone();
        if (std::optional<QString> failure = driver_->scriptDesktop().takeFailure()) {
            fail(*failure);
        }
    }

private:
    void command(const QStringList& w) {
        const QString& name = w[0];
        if (name == u"folder") {
            need(w, 2);
            files::setProgramFolder(QDir(scriptFolder_).absoluteFilePath(w[1]));
        } else if (name == u"drive") {
            need(w, 3);
            const QString folder = QDir(scriptFolder_).absoluteFilePath(w[2]);
            QDir().mkpath(folder);
            files::setDrive(w[1][0], folder);
        } else if (name == u"xdg-data-home") {
            // Where the desktop's data lie: its applications folder receives the shortcuts.
            need(w, 2);
            qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(scriptFolder_).absoluteFilePath(w[1])));
        } else if (name == u"screen") {
            need(w, 3);
            driver_->scriptDesktop().setScreen(w[1].toInt(), w[2].toInt());
        } else if (name == u"today") {
            need(w, 2);
            const QDate day = QDate::fromString(w[1], Qt::ISODate);
            if (!day.isValid()) {
                fail(QStringLiteral("date incorrecte : ") + w[1]);
            }
            files::setClock([day] { return QDateTime(day, QTime(12, 0)); });
        } else if (name == u"printer") {
            printerCommand(w);
        } else if (name == u"start") {
            running();
            driver_->start(start_);
        } else if (name == u"menu") {
            need(w, 2);
            menu(control<MenuItem>(w[1], ControlKind::MenuItem), w[1]);
        } else if (name == u"click") {
            need(w, 2);
            click(control<Control>(w[1]), w[1]);
        } else if (name == u"pick") {
            need(w, 3);
            pick(w[1], w[2]);
        } else if (name == u"cell") {
            need(w, 4);
            auto& grid = control<Grid>(w[1], ControlKind::Grid);
            usable(grid, w[1]);
            const int row = w[2].toInt();
            const int col = w[3].toInt();
            if (row < 0 || row >= grid.rowCount() || col < 0 || col >= grid.colCount()) {
                fail(QStringLiteral("pas de cellule %1 %2 dans %3").arg(row).arg(col).arg(w[1]));
            }
            driver_->clickCell(grid, row, col);
        } else if (name == u"type") {
            need(w, 3);
            auto& box = control<TextBox>(w[1], ControlKind::TextBox);
            usable(box, w[1]);
            std::vector<int> codes;
            for (const QChar c : w[2]) {
                if (c != u'\r') {  // \n in a script is one Enter
                    codes.push_back(c == u'\n' ? 13 : c.unicode());
                }
            }
            driver_->typeKeys(box, codes);
        } else if (name == u"set") {
            need(w, 3);
            auto& box = control<TextBox>(w[1], ControlKind::TextBox);
            usable(box, w[1]);
            driver_->paste(box, w[2]);
        } else if (name == u"key") {
            need(w, 3);
            auto& box = control<TextBox>(w[1], ControlKind::TextBox);
            usable(box, w[1]);
            driver_->typeKeys(box, {keyCode(w[2])});
        } else if (name == u"answer") {
            need(w, 2);
            driver_->scriptDesktop().queueAnswer(answerCode(w[1]));
        } else if (name == u"choose") {
            need(w, 2);
            if (w[1] == u"cancel") {
                driver_->scriptDesktop().queueChoice(std::nullopt);
            } else {
                driver_->scriptDesktop().queueChoice(
                    QDir::cleanPath(QDir(files::programFolder()).absoluteFilePath(w[1])));
            }
        } else if (name == u"files") {
            need(w, 2);
            // A pattern may begin with a folder of the working folder: "Images\*.jpg".
            const qsizetype cut = std::max(w[1].lastIndexOf(u'\\'), w[1].lastIndexOf(u'/'));
            const QString folder = cut < 0 ? files::workingFolder() : w[1].left(cut);
            const QStringList names = files::listFiles(folder, w[1].mid(cut + 1));
            QStringList parts;
            for (const QString& file : names) {
                parts << quoted(file);
            }
            transcript_.line(QStringLiteral("files %1 = [%2]")
                                 .arg(quoted(w[1]), parts.join(QStringLiteral(", "))));
        } else if (name == u"lines") {
            need(w, 2);
            transcript_.line(QStringLiteral("lines %1 = %2").arg(quoted(w[1]), textLines(w[1])));
        } else if (name == u"watch") {
            need(w, 2);
            const QString watched = w[1];
            driver_->scriptDesktop().setRepaintHook([this, watched] {
                const Form* form = Instances::findLoaded(watched);
                transcript_.line(QStringLiteral("repaint ") + watched);
                for (const QString& line : form != nullptr ? formText(*form) : QStringList()) {
                    transcript_.line(QStringLiteral("  ") + line);
                }
            });
        } else if (name == u"show") {
            need(w, 2);
            Form* form = Instances::findLoaded(w[1]);
            if (form == nullptr) {
                transcript_.line(QStringLiteral("form %1 not loaded").arg(w[1]));
                return;
            }
            for (const QString& line : formText(*form)) {
                transcript_.line(line);
            }
            driver_->shown(*form, ++shows_);
        } else {
            fail(QStringLiteral("commande inconnue : ") + name);
        }
    }

    static void need(const QStringList& w, int count) {
        if (w.size() != count) {
            fail(QStringLiteral("%1 attend %2 argument(s)").arg(w[0]).arg(count - 1));
        }
    }

    // A user acts only while the program runs.
    static void running() {
        if (desktop::programHasEnded()) {
            fail(QStringLiteral("le programme est terminé"));
        }
    }

    template <class C>
    C& control(const QString& path, std::optional<ControlKind> kind = std::nullopt) {
        const qsizetype dot = path.indexOf(u'.');
        if (dot < 0) {
            fail(QStringLiteral("FENETRE.CONTROLE attendu : ") + path);
        }
        Form* form = Instances::findLoaded(path.left(dot));
        if (form == nullptr) {
            fail(QStringLiteral("la fenêtre %1 n'est pas chargée").arg(path.left(dot)));
        }
        Control* c = form->findControl(path.mid(dot + 1));
        if (c == nullptr) {
            fail(QStringLiteral("pas de contrôle ") + path);
        }
        if (kind && c->kind() != *kind) {
            fail(QStringLiteral("%1 n'est pas du bon type").arg(path));
        }
        return static_cast<C&>(*c);
    }

    static void usableWindow(const Form& form, const QString& path) {
        running();
        if (!form.Visible || !form.Enabled) {
            fail(QStringLiteral("la fenêtre de %1 n'est pas utilisable").arg(path));
        }
    }

    static void usable(const Control& c, const QString& path) {
        usableWindow(c.form(), path);
        if (!c.Visible || !c.Enabled) {
            fail(QStringLiteral("%1 n'est pas visible").arg(path));
        }
    }

    // A command in a submenu is reached through every menu above it, each opened in turn (its
    // Click runs, and may change what the next one shows).
    void menu(MenuItem& item, const QString& path) {
        std::vector<MenuItem*> way;
        for (MenuItem* m = &item; m != nullptr; m = m->parent()) {
            way.insert(way.begin(), m);
        }
        const Form* form = &item.form();
        for (MenuItem* m : way) {
            if (!stillLoaded(form)) {
                driver_->closeMenus();
                fail(QStringLiteral("la fenêtre de %1 n'est plus chargée").arg(path));
            }
            if (!form->Visible || !form->Enabled || !m->Visible || !m->Enabled) {
                driver_->closeMenus();
                usableWindow(*form, path);
                fail(QStringLiteral("le menu %1 n'est pas visible").arg(path));
            }
            if (m == &item) {
                driver_->chooseMenu(item);
            } else {
                driver_->openMenu(*m);
            }
        }
    }

    void click(Control& c, const QString& path) {
        switch (c.kind()) {
            case ControlKind::MenuItem:
                menu(static_cast<MenuItem&>(c), path);
                return;
            case ControlKind::ListBox:
            case ControlKind::FileListBox:
            case ControlKind::DriveListBox:
            case ControlKind::DirListBox:
                fail(QStringLiteral("%1 : une liste se clique sur une entrée (pick)").arg(path));
            case ControlKind::Grid:
                fail(QStringLiteral("%1 : une grille se clique sur une cellule (cell)").arg(path));
            case ControlKind::TextBox:
                fail(
                    QStringLiteral("%1 : une zone de texte se remplit (type, set, key)").arg(path));
            default:
                break;
        }
        usable(c, path);
        driver_->click(c);
    }

    void pick(const QString& path, const QString& text) {
        auto& list = control<ListControl>(path);
        const ControlKind kind = list.kind();
        if (kind != ControlKind::ListBox && kind != ControlKind::FileListBox &&
            kind != ControlKind::DriveListBox && kind != ControlKind::DirListBox) {
            fail(path + QStringLiteral(" n'est pas une liste"));
        }
        usable(list, path);
        const QString entry = listedEntry(list, text);
        if (entry.isNull()) {
            fail(QStringLiteral("%1 n'a pas d'entrée %2").arg(path, quoted(text)));
        }
        driver_->pick(list, entry);
    }

    // The entry a pick of `text` clicks: the one written so, else the one equal without regard
    // to case; in a drive list, the drive of that letter ("D:"). Null when there is none.
    static QString listedEntry(const ListControl& list, const QString& text) {
        const QStringList& items = list.items();
        if (list.kind() == ControlKind::DriveListBox) {
            const bool drive = !text.isEmpty() && (text.size() < 2 || text[1] == u':');
            for (const QString& item : items) {
                if (drive && !item.isEmpty() && item[0].toUpper() == text[0].toUpper()) {
                    return item;
                }
            }
            return {};
        }
        if (items.contains(text)) {
            return text;
        }
        for (const QString& item : items) {
            if (item.compare(text, Qt::CaseInsensitive) == 0) {
                return item;
            }
        }
        return {};
    }

    // The lines of a cp1252 text file, or <absent>.
    static QString textLines(const QString& name) {
        if (!files::exists(name)) {
            return QStringLiteral("<absent>");
        }
        files::TextFile file(name, files::OpenMode::Input);
        QStringList parts;
        while (!file.atEnd()) {
            parts << quoted(file.readLine());
        }
        return u'[' + parts.join(QStringLiteral(", ")) + u']';
    }

    void printerCommand(const QStringList& w) {
        if (w.size() == 2 && w[1] == u"record") {
            printer::printer().setSink(std::make_unique<printer::RecordingSink>(
                [this](const QString& line) { transcript_.line(line); }));
        } else if (w.size() == 3 && w[1] == u"pdf") {
            printer::printer().setSink(
                std::make_unique<printer::PdfSink>(QDir(scriptFolder_).absoluteFilePath(w[2])));
        } else {
            fail(QStringLiteral("printer record | printer pdf CHEMIN"));
        }
    }

    static int keyCode(const QString& name) {
        if (name == u"Enter")
            return 13;
        if (name == u"Backspace")
            return 8;
        bool ok = false;
        const int code = name.toInt(&ok);
        if (!ok) {
            fail(QStringLiteral("touche inconnue : ") + name);
        }
        return code;
    }

    static int answerCode(const QString& name) {
        if (name == u"OK")
            return desktop::vbOK;
        if (name == u"Yes")
            return desktop::vbYes;
        if (name == u"No")
            return desktop::vbNo;
        if (name == u"Cancel")
            return desktop::vbCancel;
        fail(QStringLiteral("réponse inconnue : ") + name);
    }

    QString scriptFolder_;
    std::function<void()> start_;
    Transcript transcript_;
    std::unique_ptr<ScriptDriver> driver_;
    int shows_ = 0;  // `show` lines played so far
    // The session's XDG_DATA_HOME is the script's; the environment's comes back at the end.
    bool hadDataHome_ = false;
    QByteArray savedDataHome_;
};

}  // namespace

ScriptResult playScript(const QString& scriptPath, const std::function<void()>& start,
                        const std::function<void(const QString&)>& out,
                        const DriverFactory& driver) {
    QFile file(scriptPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {false, 0, QStringLiteral("script illisible : ") + scriptPath};
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    Player player(QFileInfo(scriptPath).absolutePath(), start, out, driver);
    player.begin();
    ScriptResult result;
    for (int n = 0; n < lines.size(); ++n) {
        bool ok = true;
        const QStringList words = scriptWords(lines[n], &ok);
        if (words.isEmpty() && ok) {
            continue;
        }
        try {
            if (!ok) {
                fail(QStringLiteral("guillemet non fermé"));
            }
            out(QStringLiteral("> ") + lines[n].trimmed());
            player.play(words);
        } catch (const ScriptFailure& e) {
            result = {false, n + 1, e.message};
            break;
        } catch (const Error& e) {
            result = {false, n + 1, e.description()};
            break;
        }
    }
    if (result.ok && player.answersLeft()) {
        result = {false, static_cast<int>(lines.size()),
                  QStringLiteral("une réponse donnée n'a servi à aucune question")};
    }
    player.finish();
    return result;
}

int playToStandardOutput(const QString& scriptPath, const std::function<void()>& start,
                         const DriverFactory& driver) {
    QTextStream stdoutStream(stdout);
    const ScriptResult result = playScript(
        scriptPath, start,
        [&](const QString& line) {
            stdoutStream << line << '\n';
            stdoutStream.flush();
        },
        driver);
    if (!result.ok) {
        stdoutStream << QStringLiteral("script error at line %1: %2\n")
                            .arg(result.failedLine)
                            .arg(result.message);
        return 1;
    }
    return 0;
}

void ensureRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const QString runtime =
        QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
}

int runScriptMain(int argc, char** argv, const QString& scriptPath,
                  const std::function<void()>& start) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ensureRuntimeFolder();
    QGuiApplication app(argc, argv);
    return playToStandardOutput(scriptPath, start);
}

}  // namespace platform::headless
