// "Créer une base": a new base made from the empty template under the name typed.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class KovCreer : public platform::forms::Form {
public:
    KovCreer();

    platform::forms::MenuItem Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour")};
    platform::forms::Frame Frame1{*this, QStringLiteral("Frame1")};
    platform::forms::Label Label2{*this, QStringLiteral("Label2")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::CommandButton Command1{*this, QStringLiteral("Command1")};

    void Form_Load() override;
    void Command1_Click();
    void Retour_Click();
};
