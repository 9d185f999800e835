#pragma once
// The program's pictures, drawn at run time so no image files ship with it.
#include <QIcon>
#include <QPixmap>

namespace corvanta {

constexpr int kTrayPictureCount = 4;

// 32 x 32 on a transparent background: 0 the phone at rest, 1 sending (waves over the
// aerial), 2 connected (green, with a small globe), 3 a prohibited call (crossed out in red).
// Another index gives a null icon.
QIcon trayPicture(int index);

// The start-up logo: the name, a phone and a shield, and "v 1.7".
QPixmap splashPicture();

} // namespace corvanta
