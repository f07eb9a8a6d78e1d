#include "install/module1.h"

#include <gtest/gtest.h>

#include "platform/files/clock.h"
#include "platform/headless/headless_desktop.h"

using namespace Module1;

namespace {

TEST(Module1, a_shortcut_path_is_shown_cut_into_four_lines) {
    struct Case {
        QString chemin;
        QStringList lignes;
    };
    const Case cases[] = {
        {QStringLiteral("C:\\Documents and Settings\\x\\Menu Démarrer\\Programmes\\Orvale\\"
                        "Recette\\Recette.lnk"),
         {QStringLiteral("C:\\Documents and Settin"),
          QStringLiteral("gs\\x\\Menu Démarrer\\Program"),
          QStringLiteral("mes\\Orvale\\Recette\\Recette."), QStringLiteral("lnk")}},
        {QStringLiteral("C:\\Orvale\\Recette.desktop"),
         {QStringLiteral("C:\\Orvale\\Recette.deskt"), QStringLiteral("op"), QString(), QString()}},
        {QString(), {QString(), QString(), QString(), QString()}},
        {QString(76, u'a'), {QString(23, u'a'), QString(26, u'a'), QString(27, u'a'), QString()}},
    };
    ASSERT_EQ(cases[0].chemin.size(), 79);
    for (const Case& c : cases) {
        EXPECT_EQ(EnQuatreLignes(c.chemin), c.lignes.join(QStringLiteral("\r\n")))
            << c.chemin.toStdString();
    }
}

// A desktop on which each repaint takes a quarter of a second, while the time of day passes
// midnight.
class QuartDeSeconde : public platform::headless::HeadlessDesktop {
public:
    QuartDeSeconde() : HeadlessDesktop(transcript_) {}
    void doEvents() override {
        ASSERT_LT(++repaints, 100) << "the pause does not end";
        elapsed += 0.25;
    }
    int repaints = 0;
    double elapsed = 1000;

private:
    platform::headless::Transcript transcript_{[](const QString&) {}};
};

TEST(Module1, the_pause_lasts_its_seconds_across_midnight_with_the_window_repainting) {
    QuartDeSeconde desktop;
    platform::desktop::setDesktop(&desktop);
    platform::files::setElapsedClock([&] { return desktop.elapsed; });
    platform::files::setClock([&] {
        return QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))
            .addMSecs(static_cast<qint64>((desktop.elapsed - 1000) * 1000));
    });

    Patiente(2);
    EXPECT_EQ(desktop.repaints, 8);
    EXPECT_DOUBLE_EQ(desktop.elapsed, 1002);

    platform::files::setClock({});
    platform::files::setElapsedClock({});
    platform::desktop::setDesktop(nullptr);
}

}  // namespace
