// The card editor on the headless desktop, over a small base of a temporary program folder: the
// base is made with SQLite directly and read back the same way, independent of the code tested.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

#include "headless_session.h"

class KovGeneral;

namespace editor_test {

// A card as stored: every field, in the table's order.
struct Fiche {
    long long numero;
    QString categorie;
    QString titre;
    QString tempPrepa = QStringLiteral("20 MN");
    QString tempCuisson = QStringLiteral("1 H");
    QString difficulte = QStringLiteral("aa");
    QString vin = QStringLiteral("Cahors");
    QString ingrediant = QStringLiteral("un\r\ndeux\r\n");
    QString preparation = QStringLiteral("Cuire.\r\n");

    bool operator==(const Fiche&) const = default;
};
void PrintTo(const Fiche& f, std::ostream* os);

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes CUISINE.mdb holding `fiches` in that order.
    void makeBase(const std::vector<Fiche>& fiches) const;
    // Opens the base and the editor of category `code`, as the main window's command does.
    KovGeneral& openEditor(const QString& code, const QString& nom);
    // Runs `handler` as one user action.
    static constexpr auto act = &test_support::HeadlessSession::act;
    // The rows of Cuisine in stored order.
    std::vector<Fiche> readBack() const;
    // A small JPEG of one colour at `relative` in the program folder.
    void putPicture(const QString& relative, Qt::GlobalColor colour) const;
    // The names of the files of Images, sorted.
    QStringList pictures() const;

    QString path(const QString& relative) const { return dir_.filePath(relative); }
    QString basePath() const { return path(QStringLiteral("CUISINE.mdb")); }

    QTemporaryDir dir_;
    test_support::HeadlessSession session_;
    QStringList& lines_ = session_.lines;  // the transcript
};

}  // namespace editor_test
