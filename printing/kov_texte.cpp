#include "printing/kov_texte.h"

#include "editor/kov_general.h"
#include "platform/core/error.h"
#include "platform/files/text_file.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
namespace files = platform::files;
namespace forms = platform::forms;

namespace {

// The whole text of a category's file; a missing or unreadable file reads as no text, and the
// user goes on to the cards all the same.
QString texteDe(const QString& nom) {
    try {
        files::TextFile fichier(nom, files::OpenMode::Input);
        QString texte = fichier.readAll();
        fichier.close();
        return texte;
    } catch (const platform::Error&) {
        return {};
    }
}

}  // namespace

KovTexte::KovTexte() : Form(QStringLiteral("KovTexte")) {
    Caption = NomCategorie;
    Text1.place(60, 0, 11800, 8280);
    Text1.MultiLine = true;
    Text1.ScrollBars = true;
    Suite.place(5400, 8300, 1200, 300);
    Suite.Caption = QStringLiteral("Suite");
    Suite.Click = [this] { Suite_Click(); };
    // Closing by the frame is "Suite": the editor must not stay out of use.
    closeCommand = [this] { Suite_Click(); };
}

void KovTexte::Form_Load() {
    Height = 9000;
    Width = 12000;
    Left = (LargeurEcran - Width) / 2;
    Top = (HauteurEcran - Height) / 2;
    Text1.Height = 8280;
    Text1.Width = 11800;
    forms::Instance<KovGeneral>().Enabled = false;
    Text1.Text = texteDe(NomCategorie + QStringLiteral(".txt"));
    Text1.FontSize = static_cast<double>(TaillePolice);
    Show();
}

void KovTexte::Suite_Click() {
    forms::Unload(*this);
    KovGeneral& editeur = forms::Instance<KovGeneral>();
    editeur.Enabled = true;
    editeur.Show();
}
