#pragma once
// The seven pictures of the location trees, by image number: 1 planet, 2 moon, 3 station,
// 4 base, 5 landing pad, 6 dock port, 7 ship. Drawn here so that they stay sharp at every size.
#include <QIcon>

// The picture of an image number; an empty icon for a number outside 1 to 7.
QIcon TreeImage(int number);
