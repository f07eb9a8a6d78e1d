// A full recipe base for the benchmarks: `recipes` records of about `bytes` bytes of text each,
// generated once per run into a temporary folder.
#pragma once

#include <QString>
#include <string>
#include <vector>

QString bigBase(int recipes, int bytes);

// Runs a program with its standard output thrown away; returns its exit status.
int runQuietly(const char* program, const std::vector<std::string>& arguments);
