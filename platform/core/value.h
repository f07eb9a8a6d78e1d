// A value held by a field or reached as a property by name: nothing (null), a truth value, a
// whole number, a floating-point number or a text.
#pragma once

#include <QString>
#include <variant>

namespace platform {

class Value {
public:
    Value() = default;
    Value(bool v) : data_(v) {}
    Value(int v) : data_(static_cast<long long>(v)) {}
    Value(long v) : data_(static_cast<long long>(v)) {}
    Value(long long v) : data_(v) {}
    Value(double v) : data_(v) {}
    Value(const QString& v) : data_(v) {}
    Value(const char16_t* v) : data_(QString::fromUtf16(v)) {}
    Value(const char* v) : data_(QString::fromUtf8(v)) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(data_); }
    bool isText() const { return std::holds_alternative<QString>(data_); }
    bool isNumber() const;

    // Text form: numbers in decimal, a truth value as "Vrai"/"Faux", null as the empty text
    // (a field without value shows empty).
    QString toText() const;
    // Numeric forms; a text that is not a number, or null, raises the type-mismatch error.
    double toDouble() const;
    long long toLongLong() const;  // rounded half to even
    bool toBool() const;

    bool operator==(const Value& other) const { return data_ == other.data_; }

private:
    std::variant<std::monostate, bool, long long, double, QString> data_;
};

}  // namespace platform
