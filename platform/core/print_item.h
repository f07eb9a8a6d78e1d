// What a print statement is made of, on the printer or into a text file: texts, and Tab(n) which
// moves to column n (counted from 1) before the next text.
#pragma once

#include <QString>
#include <variant>

namespace platform {

struct Tab {
    long long column;  // target column, from 1; below 1 counts as 1
};

using PrintItem = std::variant<QString, Tab>;

}  // namespace platform
