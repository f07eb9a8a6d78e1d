// What the forms need from the desktop they are shown on. The headless desktop prints these
// moments into its transcript; the Qt desktop creates, shows and destroys real windows.
#pragma once

namespace platform::forms {

class Form;
class Control;
class CommonDialog;

class FormHost {
public:
    virtual ~FormHost() = default;
    virtual void formLoaded(Form&) {}
    virtual void formShown(Form&) {}
    virtual void formHidden(Form&) {}
    virtual void formUnloaded(Form&) {}
    virtual void focusRequested(Control&) {}
    // Shows the file-open dialog; sets the dialog's FileName and returns true when a file was
    // chosen, leaves it as it was and returns false on cancel.
    virtual bool showOpenDialog(CommonDialog&) { return false; }
};

// The host in use (a silent one until a desktop installs itself).
FormHost& formHost();
void setFormHost(FormHost* host);

}  // namespace platform::forms
