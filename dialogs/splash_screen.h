// The splash picture shown while the calendar starts: "Splash.BMP", ".GIF" or ".JPG" beside the
// program (or in the installed share folder), the first that exists, placed a third of the way
// down the screen. Without a picture there is no splash.
#pragma once

#include <QSplashScreen>
#include <QString>
#include <memory>

namespace velorith {

// The picture to show from the given folders, tried in order; empty when there is none.
QString FindSplashPicture(const QStringList& folders);

// Shows the splash at once; null when there is no picture.
std::unique_ptr<QSplashScreen> ShowSplash(const QStringList& folders);

}  // namespace velorith
