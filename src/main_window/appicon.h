#pragma once

#include <QIcon>

// The program's icon at 16 x 16 and 32 x 32 pixels: a sine-wave gradient with a brush dot.
QIcon sinepaintIcon();
