// "Effacer" killed before, during and after the commit of the deletion and its renumbering: the
// base always passes its integrity check and holds either every card as before or the deletion
// fully renumbered, never a mix; the picture goes only with the card.
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QStringList>

#include "crash_vfs.h"
#include "editor/kov_general.h"
#include "fixture.h"
#include "platform/files/faults.h"
#include "sqlite_fixture.h"

namespace {

using editor_test::Fiche;

constexpr int Tue = 9;  // the exit status of a child ended on purpose

// Where the child playing "Effacer" ends.
enum class Fin {
    Jamais,          // it runs to the end and reports the changes it counted
    AvantCommit,     // when the commit is asked for, before anything of it is written
    PendantCommit,   // just before change `changement` of the commit
    PendantEffacer,  // just before change `changement` counted from the start of "Effacer"
    ApresCommit,     // when the picture is about to be removed
    ApresEffacer,    // once "Effacer" is over
};

struct Mesure {
    long avantCommit = 0;  // changes made to the files before the commit was asked for
    long total = 0;        // changes made by the whole of "Effacer"
};

class EffacerFault : public editor_test::EditorTest {
protected:
    // Cards 1..count alternately DESSERT and AGNEAU with a preparation of `octets` characters;
    // card 2, the first of AGNEAU, has a picture.
    void prepare(int count, int octets) {
        for (int n = 1; n <= count; ++n) {
            Fiche f{n, n % 2 == 0 ? "AGN" : "DES", QStringLiteral("RECETTE %1").arg(n)};
            f.preparation = QString(octets, u'p') + QStringLiteral("\r\n");
            avant_.push_back(f);
        }
        makeBase(avant_);
        apres_ = avant_;
        apres_.erase(apres_.begin() + 1);
        for (std::size_t i = 0; i < apres_.size(); ++i) {
            apres_[i].numero = static_cast<long long>(i + 1);
        }
        putPicture(image_, Qt::blue);
        ASSERT_TRUE(QFile::copy(basePath(), path(QStringLiteral("intacte.mdb"))));
    }

    // Back to the base and the picture as prepared.
    void restaure() {
        QFile::remove(basePath());
        QFile::remove(basePath() + QStringLiteral("-journal"));
        ASSERT_TRUE(QFile::copy(path(QStringLiteral("intacte.mdb")), basePath()));
        if (!QFile::exists(path(image_))) {
            putPicture(image_, Qt::blue);
        }
    }

    // In a child process, the editor of AGNEAU shows card 2 and deletes it, ending at `fin`.
    // Returns the child's exit status.
    int joue(Fin fin, long changement = 0, Mesure* mesure = nullptr) {
        int tube[2];
        EXPECT_EQ(pipe(tube), 0);
        const pid_t fils = fork();
        if (fils == 0) {
            close(tube[0]);
            test_support::installCrashVfs();
            KovGeneral& editeur = openEditor(QStringLiteral("AGN"), QStringLiteral("AGNEAU"));
            act([&] { editeur.MSFlexGrid1.clickCell(1, 1); });
            Mesure compte;
            platform::files::setFaultHook([&](std::string_view operation, const QString&) {
                if (operation == "commit") {
                    compte.avantCommit = test_support::crashChanges();
                    if (fin == Fin::AvantCommit) {
                        _exit(Tue);
                    }
                    if (fin == Fin::PendantCommit) {
                        test_support::armCrash(changement);
                    }
                } else if (operation == "remove" && fin == Fin::ApresCommit) {
                    _exit(Tue);
                }
            });
            test_support::armCrash(fin == Fin::PendantEffacer ? changement : 0);
            act([&] { editeur.Efface_Click(); });
            compte.total = test_support::crashChanges();
            ssize_t ecrit = write(tube[1], &compte, sizeof compte);
            _exit(fin == Fin::ApresEffacer ? Tue : (ecrit == sizeof compte ? 0 : 3));
        }
        close(tube[1]);
        int status = -1;
        EXPECT_EQ(waitpid(fils, &status, 0), fils);
        Mesure recu;
        if (read(tube[0], &recu, sizeof recu) == sizeof recu && mesure != nullptr) {
            *mesure = recu;
        }
        close(tube[0]);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    enum class Etat { Avant, Apres, Melange };

    // What the base holds, once it passed its integrity check.
    Etat etat() const {
        {
            const test_support::FixtureConnection base(basePath());
            sqlite3_stmt* check = nullptr;
            sqlite3_prepare_v2(base.handle(), "PRAGMA integrity_check", -1, &check, nullptr);
            EXPECT_EQ(sqlite3_step(check), SQLITE_ROW);
            EXPECT_EQ(test_support::columnText(check, 0), QStringLiteral("ok"));
            sqlite3_finalize(check);
        }
        const std::vector<Fiche> fiches = readBack();
        if (fiches == avant_) {
            return Etat::Avant;
        }
        return fiches == apres_ ? Etat::Apres : Etat::Melange;
    }

    bool imagePresente() const { return QFile::exists(path(image_)); }

    std::vector<Fiche> avant_, apres_;
    const QString image_ = QStringLiteral("Images/RECETTE 2.jpg");
};

TEST_F(EffacerFault, a_kill_at_any_point_of_the_commit_leaves_all_or_nothing) {
    prepare(40, 1000);
    Mesure mesure;
    ASSERT_EQ(joue(Fin::Jamais, 0, &mesure), 0);
    ASSERT_EQ(etat(), Etat::Apres) << "uninterrupted, the deletion is done";
    ASSERT_FALSE(imagePresente());
    const long commit = mesure.total - mesure.avantCommit;
    ASSERT_GT(commit, 3) << "journal, its sync, the base, its sync, the journal's removal";

    restaure();
    EXPECT_EQ(joue(Fin::AvantCommit), Tue);
    EXPECT_EQ(etat(), Etat::Avant);
    EXPECT_TRUE(imagePresente());

    // The journal's removal, the commit's last change, is what makes the deletion hold: a kill
    // before any change of the commit leaves the cards as they were.
    for (long k = 1; k <= commit; ++k) {
        SCOPED_TRACE(k);
        restaure();
        ASSERT_EQ(joue(Fin::PendantCommit, k), Tue);
        EXPECT_EQ(etat(), Etat::Avant);
        EXPECT_TRUE(imagePresente()) << "the picture stays until the card is gone for good";
    }

    // Once it is removed, the deletion holds, with or without its picture.
    restaure();
    EXPECT_EQ(joue(Fin::ApresCommit), Tue);
    EXPECT_EQ(etat(), Etat::Apres);
    restaure();
    EXPECT_EQ(joue(Fin::ApresEffacer), Tue);
    EXPECT_EQ(etat(), Etat::Apres);
    EXPECT_FALSE(imagePresente());
}

TEST_F(EffacerFault, a_kill_while_the_renumbering_spills_to_the_base_leaves_it_as_it_was) {
    // More changed records than SQLite's page cache holds: pages reach the base file before the
    // commit, and only the journal can undo them.
    prepare(700, 3500);
    Mesure mesure;
    ASSERT_EQ(joue(Fin::Jamais, 0, &mesure), 0);
    ASSERT_EQ(etat(), Etat::Apres);
    ASSERT_GT(mesure.avantCommit, 0) << "the renumbering wrote to the files before its commit";

    constexpr int points = 4;
    for (int i = 1; i <= points; ++i) {
        const long k = mesure.avantCommit * i / points;
        SCOPED_TRACE(k);
        restaure();
        ASSERT_EQ(joue(Fin::PendantEffacer, k), Tue);
        EXPECT_EQ(etat(), Etat::Avant);
        EXPECT_TRUE(imagePresente());
    }
}

}  // namespace
