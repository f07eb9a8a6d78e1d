#include "platform/core/value.h"

#include <cmath>

#include "platform/core/error.h"

namespace platform {

bool Value::isNumber() const {
    return std::holds_alternative<long long>(data_) || std::holds_alternative<double>(data_);
}

QString Value::toText() const {
    if (const auto* b = std::get_if<bool>(&data_)) {
        return *b ? QStringLiteral("Vrai") : QStringLiteral("Faux");
    }
    if (const auto* i = std::get_if<long long>(&data_)) {
        return QString::number(*i);
    }
    if (const auto* d = std::get_if<double>(&data_)) {
        return QString::number(*d, 'g', 15);
    }
    if (const auto* s = std::get_if<QString>(&data_)) {
        return *s;
    }
    return {};
}

double Value::toDouble() const {
    if (const auto* b = std::get_if<bool>(&data_)) {
        return *b ? -1.0 : 0.0;
    }
    if (const auto* i = std::get_if<long long>(&data_)) {
        return static_cast<double>(*i);
    }
    if (const auto* d = std::get_if<double>(&data_)) {
        return *d;
    }
    if (const auto* s = std::get_if<QString>(&data_)) {
        bool ok = false;
        const double v = s->trimmed().toDouble(&ok);
        if (ok) {
            return v;
        }
    }
    raise(err::TypeMismatch);
}

long long Value::toLongLong() const {
    if (const auto* i = std::get_if<long long>(&data_)) {
        return *i;
    }
    const double d = toDouble();
    if (!std::isfinite(d)) {
        raise(err::Overflow);
    }
    return static_cast<long long>(std::nearbyint(d));
}

bool Value::toBool() const {
    if (const auto* b = std::get_if<bool>(&data_)) {
        return *b;
    }
    return toDouble() != 0.0;
}

}  // namespace platform
