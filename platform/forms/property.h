// A property whose setting does something (a grid growing, a folder list reading its folder, a
// window showing itself) while reading and assigning it keeps the look of a plain member:
// `Grid.Rows = Grid.Rows + 1`.
#pragma once

#include <functional>
#include <utility>

namespace platform::forms {

template <class T>
class Property {
public:
    Property(std::function<T()> get, std::function<void(const T&)> set)
        : get_(std::move(get)), set_(std::move(set)) {}
    Property(const Property&) = delete;

    operator T() const { return get_(); }
    T operator()() const { return get_(); }
    Property& operator=(const T& value) {
        set_(value);
        return *this;
    }
    Property& operator=(const Property& other) { return *this = other.get_(); }

private:
    std::function<T()> get_;
    std::function<void(const T&)> set_;
};

}  // namespace platform::forms
