// The installer's window where no scenario can take it: a machine without any drive.
#include "install/ecrire_icone.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/desktop/desktop.h"
#include "platform/forms/instances.h"
#include "platform/headless/script_player.h"

namespace {

TEST(EcrireIcone, without_any_drive_depart_installs_nothing_and_says_why) {
    QTemporaryDir dir;
    QFile manifest(dir.filePath(QStringLiteral("Lire.pie")));
    ASSERT_TRUE(manifest.open(QIODevice::WriteOnly));
    manifest.write("Mkdir Orvale\\Recette\r\n");
    manifest.close();
    QFile script(dir.filePath(QStringLiteral("s.script")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("start\nclick EcrireIcone.Command1\nshow EcrireIcone\n");
    script.close();
    qputenv("RECETTE_LECTEURS", ";");  // a map without a single drive
    QStringList lines;
    const auto result = platform::headless::playScript(
        script.fileName(),
        [] {
            platform::desktop::setProgramTitle(QStringLiteral("Install"));  // as Install's main
            platform::forms::Load<EcrireIcone>();
        },
        [&](const QString& line) { lines << line; });
    qunsetenv("RECETTE_LECTEURS");

    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral(
        "msgbox \"Install\" \"Aucun disque n'est disponible : l'installation est impossible.\" "
        "OK -> OK")))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("EcrireIcone.Command1 = \"DEPART\"")))
        << "the window stays in its choice";
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/Orvale")));
}

}  // namespace
