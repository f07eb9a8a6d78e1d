// The picture the main window shows once a base is open.
#pragma once

#include <QImage>

QImage decoration();
