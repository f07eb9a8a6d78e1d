// "Sauvegarde": the bases, side files and pictures of the program folder copied to a folder of
// any drive (backup), and the files of that folder copied back (restore). The marker Sauve.kov of
// the program folder remembers the last backup: its date, its drive root, the rest of its path
// and the program folder.
#pragma once

#include <QStringList>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"

class KovSauvegarde : public platform::forms::Form {
public:
    KovSauvegarde();

    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::DriveListBox Drive1{*this, QStringLiteral("Drive1")};
    platform::forms::DirListBox Dir1{*this, QStringLiteral("Dir1")};
    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::Frame Frame1{*this, QStringLiteral("Frame1")};
    platform::forms::ProgressBar ProgressBar1{*this, QStringLiteral("ProgressBar1")};
    platform::forms::FileListBox File1{*this, QStringLiteral("File1")};
    platform::forms::MenuItem Sauve{*this, QStringLiteral("Sauve"), QStringLiteral("Sauvegarde")};
    platform::forms::MenuItem Restor{*this, QStringLiteral("Restor"), QStringLiteral("Restorer")};
    platform::forms::MenuItem Qite{*this, QStringLiteral("Qite"), QStringLiteral("Quitter")};

    void Form_Load() override;
    void Drive1_Change();
    void Dir1_Change();
    void Sauve_Click();
    void Restor_Click();
    void Qite_Click();

private:
    // Opening: lines 1 to 3 of the marker into the window, and the lists set to its folder.
    void LitLeRepere();
    // The choice state: the lists and the commands shown, nothing running.
    void Choix();
    // An operation running: its name in Label1, the lists and the commands hidden.
    void EnCours(const QString& operation);
    // Everything of a backup that may fail, once the marker is rewritten.
    void Copies(const QString& dossier);
    // The files of `dossier` that File1 lists with `motifs`, copied into `destination`, the bar
    // and the frame's caption following the file being copied.
    void CopieLesFichiers(const QString& dossier, const QString& motifs,
                          const QString& destination);
    // Whether the restore from B into P may go on; when not, the user has been told why.
    bool RestaurationPossible(const QString& B, const QString& P);
};
