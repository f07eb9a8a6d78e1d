// The desktop of tests and scripts: every question is answered from a queue the script fills,
// and every event of interest becomes a transcript line. The Qt desktop of a scripted session
// asks it too, for the answers and the lines, and then carries the answers out on screen.
#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <utility>

#include "platform/desktop/desktop.h"
#include "platform/headless/transcript.h"

namespace platform::headless {

class HeadlessDesktop : public desktop::Desktop {
public:
    explicit HeadlessDesktop(Transcript& transcript) : transcript_(transcript) {}

    // Script answers for the next message boxes and file dialogs, in order; a choice is an
    // absolute path, or none for a cancel.
    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueChoice(std::optional<QString> path) { choices_.push_back(std::move(path)); }
    bool hasPendingAnswers() const { return !answers_.empty() || !choices_.empty(); }

    // A question the script answered in a way no user could (a button the box lacks, a file
    // that does not exist): the question is answered as a user backing out would, and the line
    // that raised it fails once it is played.
    std::optional<QString> takeFailure() { return std::exchange(failure_, std::nullopt); }
    // Keeps the first failure of the line.
    void failLater(const QString& message);

    // The screen, in pixels at 15 twips per pixel (1024 x 768 unless the script says).
    void setScreen(int widthPixels, int heightPixels);

    // Called at each repaint a window asks for in the middle of a long action; empty: nothing.
    void setRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }

    // The answer is the script's next one, or OK for a box whose only button is OK; a question
    // left without answer is printed so and raises the error the session then shows.
    int messageBox(const QString& text, desktop::Buttons buttons, const QString& title) override;
    void doEvents() override;
    double screenWidth() const override { return widthTwips_; }
    double screenHeight() const override { return heightTwips_; }
    bool openHelp(const QString& path) override;
    bool openWebPage(const QString& address) override;
    void programEnded() override;

    void formShown(forms::Form& form) override;
    void formHidden(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    bool showOpenDialog(forms::CommonDialog& dialog) override;

private:
    Transcript& transcript_;
    std::deque<int> answers_;
    std::deque<std::optional<QString>> choices_;
    std::optional<QString> failure_;
    std::function<void()> repaintHook_;
    double widthTwips_ = 1024 * 15;
    double heightTwips_ = 768 * 15;
};

// The name of an answer in scripts and transcripts: OK, Cancel, Yes, No.
QString answerName(int answer);

}  // namespace platform::headless
