// The desktop of tests and scripts: every question is answered from a queue the script fills,
// and every event of interest becomes a transcript line.
#pragma once

#include <QString>
#include <deque>
#include <optional>

#include "platform/desktop/desktop.h"
#include "platform/headless/transcript.h"

namespace platform::headless {

class HeadlessDesktop : public desktop::Desktop {
public:
    explicit HeadlessDesktop(Transcript& transcript) : transcript_(transcript) {}

    // Script answers for the next message boxes and file dialogs, in order.
    void queueAnswer(int answer) { answers_.push_back(answer); }
    void queueChoice(std::optional<QString> path) { choices_.push_back(std::move(path)); }
    bool hasPendingAnswers() const { return !answers_.empty() || !choices_.empty(); }

    // The screen, in pixels at 15 twips per pixel (1024 x 768 unless the script says).
    void setScreen(int widthPixels, int heightPixels);

    int messageBox(const QString& text, desktop::Buttons buttons, const QString& title) override;
    void doEvents() override {}
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
    double widthTwips_ = 1024 * 15;
    double heightTwips_ = 768 * 15;
};

}  // namespace platform::headless
