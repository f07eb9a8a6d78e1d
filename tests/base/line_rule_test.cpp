#include <gtest/gtest.h>

#include "base/line_rule.h"
#include "platform/forms/form.h"
#include "platform/forms/lists.h"

namespace {

TEST(LineRuleTest, only_lines_ended_by_a_line_break_become_entries) {
    struct Cas {
        const char* texte;
        QStringList lignes;
    };
    const Cas cas[] = {
        {"", {}},
        {"a", {}},
        {"a\r\nb", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"  200 g de farine \r\nsel\r\n", {"  200 g de farine ", "sel"}},
        {"crème\tfraîche\r\n", {"crème\tfraîche"}},
        // A lone line feed still ends a line, and keeps the character before it.
        {"a\nb\r\n", {"a", "b"}},
        // A lone carriage return is part of the line.
        {"a\rb\r\n", {"a\rb"}},
        {"\r\r\n", {"\r"}},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(base::Lignes(QString::fromUtf8(c.texte)), c.lignes)
            << QString::fromUtf8(c.texte).toStdString();
    }
}

TEST(LineRuleTest, the_lines_are_appended_to_the_list) {
    platform::forms::Form form(QStringLiteral("KovEssai"));
    platform::forms::ListBox liste(form, QStringLiteral("List1"));
    liste.AddItem(QStringLiteral("déjà là"));
    base::RemplitLignes(liste, QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(liste.items(), (QStringList{"déjà là", "a", "b"}));
}

TEST(LineRuleTest, a_field_longer_than_a_16_bit_index_splits_whole) {
    const QString ligne(40000, u'x');
    const QStringList lignes = base::Lignes(ligne + QStringLiteral("\r\nfin\r\n"));
    ASSERT_EQ(lignes.size(), 2);
    EXPECT_EQ(lignes[0], ligne);
    EXPECT_EQ(lignes[1], QStringLiteral("fin"));
}

}  // namespace
