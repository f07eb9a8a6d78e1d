// A full recipe base for the benchmarks: `recipes` records of about `bytes` bytes of text each,
// made from the template's schema and generated once per run into a temporary folder. Recipe i
// is titled "RECETTE NUMERO i"; kOneCategory of them, spread over the file, are in category
// "AGN", and the others share the 27 other codes of the catalogue.
#pragma once

#include <QString>
#include <string>
#include <vector>

inline constexpr int kOneCategory = 5000;

QString bigBase(int recipes, int bytes);

// Runs a program with its standard output thrown away; returns its exit status.
int runQuietly(const char* program, const std::vector<std::string>& arguments);
