// "Supprimer une Base": a base file deleted after a Yes to the question titled DANGER.
#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"

class KovSupprime : public platform::forms::Form {
public:
    KovSupprime();

    platform::forms::MenuItem Retour{*this, QStringLiteral("Retour"), QStringLiteral("Retour")};
    platform::forms::Frame Frame1{*this, QStringLiteral("Frame1")};
    platform::forms::Label Label1{*this, QStringLiteral("Label1")};
    platform::forms::FileListBox File1{*this, QStringLiteral("File1")};

    void Form_Load() override;
    void File1_Click();
    void Retour_Click();
};
