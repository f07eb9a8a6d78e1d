#include "install/ecrire_icone.h"

EcrireIcone::EcrireIcone() : Form(QStringLiteral("EcrireIcone")) {
    Caption = QStringLiteral("Installation");
    Width = 9000;
    Height = 6000;
}

void EcrireIcone::Form_Load() {
    Show();
}
