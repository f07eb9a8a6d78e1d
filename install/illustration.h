// The installer's own picture, shown beside its instructions.
#pragma once

#include <QImage>

QImage illustration();
