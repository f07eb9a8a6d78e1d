#include "jet_fixtures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace test_support {

namespace {

QJsonObject table(const QString& json) {
    QFile file(jetFixture(json));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << json.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    return root.contains(u"tables") ? root[u"tables"][0].toObject() : root;
}

platform::Value fromJson(const QJsonValue& v) {
    if (v.isNull()) {
        return {};
    }
    if (v.isDouble()) {
        return static_cast<long long>(v.toInteger());
    }
    return v.toString();
}

}  // namespace

QString jetFixture(const QString& file) {
    return QStringLiteral(JET_FIXTURES "/") + file;
}

QByteArray jetFixtureBytes(const QString& file, qint64 size) {
    QFile source(jetFixture(file));
    EXPECT_TRUE(source.open(QIODevice::ReadOnly)) << file.toStdString();
    QByteArray bytes = source.readAll();
    if (size >= 0) {
        bytes.truncate(size);
    }
    return bytes;
}

QStringList recipeFields() {
    QStringList names;
    for (const QJsonValue& name :
         table(QStringLiteral("cuisine-expected.json"))[u"columns"].toArray()) {
        names << name.toString();
    }
    return names;
}

Rows expectedJetRows(const QString& json) {
    Rows rows;
    for (const QJsonValue& row : table(json)[u"rows"].toArray()) {
        std::vector<platform::Value> values;
        for (const QJsonValue& v : row.toArray()) {
            values.push_back(fromJson(v));
        }
        rows.push_back(values);
    }
    return rows;
}

namespace {
std::string show(const platform::Value& v) {
    if (v.isNull()) {
        return "null";
    }
    return (v.isText() ? "text \"" : "number ") + v.toText().left(60).toStdString() +
           (v.isText() ? "\"" : "");
}
}  // namespace

void expectSameRows(const Rows& actual, const Rows& wanted) {
    ASSERT_EQ(actual.size(), wanted.size());
    for (size_t r = 0; r < wanted.size(); ++r) {
        ASSERT_EQ(actual[r].size(), wanted[r].size());
        for (size_t c = 0; c < wanted[r].size(); ++c) {
            EXPECT_EQ(actual[r][c], wanted[r][c])
                << "row " << r + 1 << " column " << c << ": " << show(actual[r][c])
                << " instead of " << show(wanted[r][c]);
        }
    }
}

}  // namespace test_support
