// Default instances: each window class has one instance reachable by its type. Referring to it
// creates and loads it (Form_Load runs); Unload discards it once the running event is over, so a
// handler may go on after unloading its own window, and a later reference creates it afresh.
#pragma once

#include <QString>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/forms/form.h"

namespace platform::forms {

class Instances {
public:
    // The loaded default instance of F, created and loaded on first reference.
    template <class F>
    static F& get() {
        if (Form* existing = find(typeid(F))) {
            return static_cast<F&>(*existing);
        }
        auto created = std::make_unique<F>();
        F& form = *created;
        adopt(typeid(F), std::move(created));
        return form;
    }

    // Whether the default instance of F is loaded now (without creating it).
    template <class F>
    static bool isLoaded() {
        return find(typeid(F)) != nullptr;
    }

    static void unload(Form& form);
    static Form* findLoaded(const QString& name);  // by window name, without regard to case
    static std::vector<Form*> loaded();            // in load order

    // Destroys the windows unloaded during the event that just ended.
    static void discardUnloaded();
    // Unloads every window without telling the desktop (the program ends at once).
    static void unloadAllSilently();
    // Destroys everything; for tests.
    static void reset();

private:
    static Form* find(std::type_index type);
    static void adopt(std::type_index type, std::unique_ptr<Form> form);
};

// The window's default instance, loaded: `Instance<KovDepart>().Visible = true`.
template <class F>
F& Instance() {
    return Instances::get<F>();
}

// Load F: the same as referring to it.
template <class F>
F& Load() {
    return Instances::get<F>();
}

inline void Unload(Form& form) {
    Instances::unload(form);
}

}  // namespace platform::forms
