#include "platform/data/sql_text.h"

#include <QRegularExpression>

#include "platform/core/error.h"

namespace platform::data {

SelectText parseSelect(const QString& sql) {
    static const QRegularExpression pattern(
        QStringLiteral(
            R"(^\s*select\s+\*\s+from\s+(?:\[([^\]]+)\]|(\w+))(?:\s+where\s+(.*?))?\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption |
            QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(sql);
    if (!match.hasMatch() || (match.hasCaptured(3) && match.captured(3).trimmed().isEmpty())) {
        throw Error(err::InvalidCall,
                    QStringLiteral("Requête non prise en charge : « %1 » (attendu : "
                                   "Select * from TABLE [WHERE condition])")
                        .arg(sql));
    }
    const QString table = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
    return {table, match.captured(3)};
}

}  // namespace platform::data
