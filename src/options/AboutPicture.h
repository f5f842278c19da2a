#pragma once

#include <QPixmap>

namespace zz {

// The picture of the About box: the converter joining an Ethernet network to a serial bus,
// drawn so that it needs no image file and stays sharp on every screen.
QPixmap aboutPicture(qreal devicePixelRatio = 1.0);

} // namespace zz
