// The installer's window.
#pragma once

#include "platform/forms/form.h"

class EcrireIcone : public platform::forms::Form {
public:
    EcrireIcone();
    void Form_Load() override;
};
