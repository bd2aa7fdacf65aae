#pragma once
// The option lists of the camera screens, each written once. The texts are exactly those the
// camera's own menus show, blanks included.

#include <QStringList>

namespace wks::ui::camera::lists {

const QStringList& offOn();
const QStringList& hours();
const QStringList& minutes();
const QStringList& timeLapse();
const QStringList& pirTrigger();
const QStringList& pirInterval();         // "0  Sec", "5  Sec", "1  Min"
const QStringList& pirIntervalLeading();  // " 0 Sec", " 5 Sec", " 1 Min"
const QStringList& videoSize();
const QStringList& photoBurst3();
const QStringList& photoBurst6();
const QStringList& cameraMode2();
const QStringList& cameraMode3();
const QStringList& cameraPosition();
const QStringList& language8();
const QStringList& languageGroup1();
const QStringList& replayTime();
const QStringList& maxNumber();
const QStringList& workMode();
const QStringList& photoSizeFx200();
const QStringList& photoSizeGroup1();
const QStringList& photoSizeLn713z();
const QStringList& photoSizeLn714w();
const QStringList& videoLengthFx200();   // 5 to 60 s: "5 Sec", " 6 Sec", ..., "50 Sec ", ...
const QStringList& videoLengthGroup1();  // 5 to 60 s: " 5 Sec", ..., "60 Sec"
const QStringList& videoLengthLn713z();  // 10 to 180 s
const QStringList& videoLengthLn714w();  // 5 s, then 10 to 180 s
const QStringList& sendToLn714w();

}  // namespace wks::ui::camera::lists
