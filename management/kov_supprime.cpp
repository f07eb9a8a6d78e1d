#include "management/kov_supprime.h"

#include "platform/core/error.h"
#include "platform/desktop/desktop.h"
#include "platform/files/names.h"
#include "platform/files/operations.h"
#include "platform/forms/instances.h"
#include "shell/donnees.h"
#include "shell/kov_depart.h"
#include "shell/mod_form_zoomed.h"

using namespace Donnees;
using namespace ModFormZoomed;
using platform::desktop::MsgBox;
namespace desktop = platform::desktop;
namespace forms = platform::forms;

namespace {
const QColor rougeClair(255, 160, 160);
const QColor rose(255, 200, 220);
const QColor rouge(255, 0, 0);
}  // namespace

KovSupprime::KovSupprime() : Form(QStringLiteral("KovSupprime")) {
    Caption = QStringLiteral("Supprimer une base");
    BackColor = rougeClair;
    Frame1.place(3000, 1500, 6000, 6200);
    Frame1.BackColor = rougeClair;
    Label1.place(3300, 1900, 5400, 500);
    Label1.Caption = QStringLiteral("SUPPRIMER BASE DANGER");
    Label1.Alignment = forms::Center;
    Label1.ForeColor = rouge;
    Label1.BackColor = rose;
    File1.place(3983, 2700, 4035, 4500);
    File1.setPattern(QStringLiteral("*.MDB"));
    Retour.Click = [this] { Retour_Click(); };
    File1.Click = [this] { File1_Click(); };
    closeCommand = [this] { Retour_Click(); };
}

void KovSupprime::Form_Load() {
    CadreDeConception(*this);
    AgranditFenetre(*this, 100);
    Show();
}

void KovSupprime::File1_Click() {
    Nom = File1.FileName();
    // The entry must name a file of this folder, not a path that reaches another one.
    try {
        platform::files::checkListedName(Nom);
    } catch (const platform::Error& e) {
        MsgBox(
            QStringLiteral("La base %1 ne peut pas être supprimée.\n%2").arg(Nom, e.description()));
        return;
    }
    NbRecettes = MsgBox(QStringLiteral("VOULEZ-VOUS SUPPRIMER ") + Nom, desktop::Buttons::YesNo,
                        QStringLiteral("DANGER"));
    if (NbRecettes == desktop::vbYes) {
        try {
            platform::files::removeFile(Nom);
        } catch (const platform::Error& e) {
            MsgBox(QStringLiteral("La base %1 n'a pas pu être supprimée.\n%2")
                       .arg(Nom, e.description()));
        }
        // Read again whatever happened, so the list shows what is really there.
        File1.Refresh();
    }
}

void KovSupprime::Retour_Click() {
    forms::Load<KovDepart>();
    forms::Unload(*this);
}
