// The schema of the template base Base.kov, as data/schema.sql holds it: the build makes the
// template from that file and compiles the same text in here.
#pragma once

#include <QString>

namespace base {

QString SchemaCuisine();

}  // namespace base
