#include "platform/forms/instances.h"

#include <algorithm>

#include "platform/forms/host.h"

namespace platform::forms {

namespace {

struct Entry {
    std::type_index type;
    std::unique_ptr<Form> form;
};

struct Registry {
    std::vector<Entry> live;                      // loaded, in load order
    std::vector<std::unique_ptr<Form>> unloaded;  // waiting for the event to end
};

Registry& registry() {
    static Registry r;
    return r;
}

}  // namespace

Form* Instances::find(std::type_index type) {
    for (Entry& e : registry().live) {
        if (e.type == type) {
            return e.form.get();
        }
    }
    return nullptr;
}

void Instances::adopt(std::type_index type, std::unique_ptr<Form> form) {
    Form& f = *form;
    registry().live.push_back({type, std::move(form)});
    f.loaded_ = true;
    formHost().formLoaded(f);
    f.Form_Load();
}

void Instances::unload(Form& form) {
    auto& live = registry().live;
    const auto it = std::find_if(live.begin(), live.end(),
                                 [&](const Entry& e) { return e.form.get() == &form; });
    if (it == live.end()) {
        return;
    }
    std::unique_ptr<Form> owned = std::move(it->form);
    live.erase(it);
    form.visible_ = false;
    form.loaded_ = false;
    formHost().formUnloaded(form);
    registry().unloaded.push_back(std::move(owned));
}

Form* Instances::findLoaded(const QString& name) {
    for (Entry& e : registry().live) {
        if (e.form->Name().compare(name, Qt::CaseInsensitive) == 0) {
            return e.form.get();
        }
    }
    return nullptr;
}

std::vector<Form*> Instances::loaded() {
    std::vector<Form*> forms;
    for (Entry& e : registry().live) {
        forms.push_back(e.form.get());
    }
    return forms;
}

void Instances::discardUnloaded() {
    registry().unloaded.clear();
}

void Instances::unloadAllSilently() {
    auto& r = registry();
    for (Entry& e : r.live) {
        e.form->visible_ = false;
        e.form->loaded_ = false;
        r.unloaded.push_back(std::move(e.form));
    }
    r.live.clear();
}

void Instances::reset() {
    unloadAllSilently();
    discardUnloaded();
}

}  // namespace platform::forms
