#include "shell/mod_form_zoomed.h"

#include "platform/core/error.h"
#include "platform/desktop/desktop.h"
#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace ModFormZoomed {

using platform::ignoreErrors;
using platform::toInt32;

namespace {

// Reads a property of Controle as a 32-bit integer into `slot`; whether the control has it.
bool lire(const char16_t* propriete, std::int32_t& slot) {
    return ignoreErrors(
        [&] { slot = toInt32(Controle->get(QString::fromUtf16(propriete)).toDouble()); });
}

bool ecrire(const char16_t* propriete, const platform::Value& valeur) {
    return ignoreErrors([&] { Controle->set(QString::fromUtf16(propriete), valeur); });
}

}  // namespace

void MesureEcran() {
    NumControle = 0;
    HauteurEcran = toInt32(platform::desktop::ScreenHeight());
    LargeurEcran = toInt32(platform::desktop::ScreenWidth());
    if (LargeurEcran == 0) {
        platform::raise(platform::err::DivisionByZero);
    }
    const Int32 t = toInt32(12000.0 / LargeurEcran * 100 + 100);
    Echelle = toInt32(12000.0 / 100 * t);
    Pourcentage = toInt32(static_cast<double>(LargeurEcran) / Echelle * 100 + 30);
    TaillePolice = toInt32(9.0 / 100 * Pourcentage);
}

void MemoriseControles(platform::forms::Form& fenetre) {
    NumControle = 0;
    for (platform::forms::Control* controle : fenetre.Controls()) {
        Controle = controle;
        const auto i = static_cast<std::size_t>(static_cast<long long>(NumControle));
        for (auto* tableau : {&TabHaut, &TabGauche, &TabHauteur, &TabLargeur}) {
            if (tableau->size() < i + 1) {
                tableau->resize(i + 1, 0);
            }
        }
        bool complet = lire(u"Top", TabHaut[i]);
        complet = lire(u"Left", TabGauche[i]) && complet;
        complet = lire(u"Height", TabHauteur[i]) && complet;
        complet = lire(u"Width", TabLargeur[i]) && complet;
        complet = ignoreErrors([] { Controle->get(QStringLiteral("FontSize")); }) && complet;
        if (!complet) {
            // A control with end points instead of a box (a line); for the others these reads
            // fail and change nothing.
            lire(u"Y1", TabHaut[i]);
            lire(u"X1", TabGauche[i]);
            lire(u"Y2", TabHauteur[i]);
            lire(u"X2", TabLargeur[i]);
        }
        NumControle = NumControle + 1;
    }
}

void RedimControles(platform::forms::Form& fenetre) {
    NumControle = 0;
    for (platform::forms::Control* controle : fenetre.Controls()) {
        Controle = controle;
        const auto i = static_cast<std::size_t>(static_cast<long long>(NumControle));
        const double haut = TabHaut[i] / 9000.0 * HauteurEcran;
        const double gauche = TabGauche[i] / 12000.0 * LargeurEcran;
        const double hauteur = TabHauteur[i] / 9000.0 * HauteurEcran;
        const double largeur = TabLargeur[i] / 12000.0 * LargeurEcran;
        bool complet = ecrire(u"Height", hauteur);
        complet = ecrire(u"Width", largeur) && complet;
        complet = ecrire(u"Top", haut) && complet;
        complet = ecrire(u"Left", gauche) && complet;
        complet = ecrire(u"FontSize", static_cast<double>(TaillePolice)) && complet;
        complet = ecrire(u"Font.Bold", true) && complet;
        if (!complet) {
            ecrire(u"Y1", haut);
            ecrire(u"X1", gauche);
            ecrire(u"Y2", hauteur);
            ecrire(u"X2", largeur);
        }
        NumControle = NumControle + 1;
    }
}

void CadreDeConception(platform::forms::Form& fenetre) {
    fenetre.Height = 9000;
    fenetre.Width = 12000;
    fenetre.Left = 0;
    fenetre.Top = 0;
}

void AgranditFenetre(platform::forms::Form& fenetre, Int32 marge) {
    MemoriseControles(fenetre);
    fenetre.Height = static_cast<double>(Int32(HauteurEcran - 600));
    fenetre.Width = static_cast<double>(Int32(LargeurEcran - marge));
    RedimControles(fenetre);
}

void reset() {
    HauteurEcran = 0;
    LargeurEcran = 0;
    Echelle = 0;
    Pourcentage = 0;
    TaillePolice = 0;
    NumControle = 0;
    Controle = nullptr;
    TabHaut.clear();
    TabGauche.clear();
    TabHauteur.clear();
    TabLargeur.clear();
}

}  // namespace ModFormZoomed
