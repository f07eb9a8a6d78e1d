// The installer's window: the choice of the target drive, then the copies that the manifest
// Lire.pie lists, then its shortcuts in the desktop's applications menu.
#pragma once

#include <QStringList>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"
#include "platform/forms/picture.h"

class EcrireIcone : public platform::forms::Form {
public:
    EcrireIcone();

    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::DriveListBox Drive1{*this, QStringLiteral("Drive1")};
    platform::forms::CommandButton Command1{*this, QStringLiteral("Command1")};
    platform::forms::CommandButton Brelan{*this, QStringLiteral("Brelan")};
    platform::forms::Frame Frame1{*this, QStringLiteral("Frame1")};
    platform::forms::ProgressBar ProgressBar1{*this, QStringLiteral("ProgressBar1")};
    platform::forms::Label Label3{*this, QStringLiteral("Label3")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::ListBox List1{*this, QStringLiteral("List1")};
    platform::forms::Picture Image1{*this, QStringLiteral("Image1")};

    void Form_Load() override;
    void Command1_Click();
    void Brelan_Click();

private:
    // Frame1 holds the progress bar and Label3: they are shown and hidden with it.
    void MontreLeCadre(bool visible);
    // The steps of one entry of the copy section.
    void CreeLeDossier(const QString& chemin);
    void CopieLeFichier(const QString& S, const QString& D);
    // The steps of one shortcut entry.
    void CreeLeRaccourci(const QString& entree);
    // Creates one folder (one already there will do); false, with the reason noted, otherwise.
    bool Cree(const QString& P);
    // Copies one file; false, with the reason noted, when it could not be copied.
    bool Copie(const QString& source, const QString& destination);
    void NoteUnProbleme(int& compteur, const QString& raison);
    QString MessageDeFin() const;

    // The state of the run: the target root (D:\), the entry count, the entry index and the
    // group name.
    QString R;
    int N = 0;
    int i = 0;
    QString G;

    // What could not be installed, told at the end instead of a plain success.
    int DossiersNonCrees = 0;
    int FichiersNonCopies = 0;
    int RaccourcisNonCrees = 0;
    QStringList Problemes;
};
