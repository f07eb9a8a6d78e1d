// The category's text, shown over the card editor when a category is chosen; the editor is out of
// use until "Suite".
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"

class KovTexte : public platform::forms::Form {
public:
    KovTexte();

    platform::forms::TextBox Text1{*this, QStringLiteral("Text1")};
    platform::forms::CommandButton Suite{*this, QStringLiteral("Suite")};

    void Form_Load() override;
    void Suite_Click();
};
