#include "ui/camera/cameralists.h"

#include <functional>

namespace wks::ui::camera::lists {
namespace {

// The numbers from first to last in steps, each written by text.
QStringList numbers(int first, int last, int step, const std::function<QString(int)>& text) {
    QStringList items;
    for (int n = first; n <= last; n += step) items << text(n);
    return items;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A one-digit number is followed by two blanks ("5  Min"), longer ones by one ("10 Min").
std::function<QString(int)> padAfter(const char* unit) {
    return [unit](int n) {
        return QString::number(n) + (n < 10 ? QStringLiteral("  ") : QStringLiteral(" ")) +
               QLatin1String(unit);
    };
}

// A one-digit number takes a leading blank instead (" 5 Sec", "10 Sec").
std::function<QString(int)> padBefore(const char* unit) {
    return [unit](int n) {
        return (n < 10 ? QStringLiteral(" ") : QString()) + QString::number(n) + QLatin1Char(' ') +
               QLatin1String(unit);
    };
}

// 10 to 180 seconds: "10  Sec" to "90  Sec", then "100 Sec" to "180 Sec".
QStringList tensOfSeconds() {
    return numbers(10, 180, 10, [](int n) {
        return QString::number(n) + (n < 100 ? QStringLiteral("  Sec") : QStringLiteral(" Sec"));
    });
}

QStringList photos(int count) {
    return numbers(1, count, 1, [](int n) {
        return QString::number(n) + (n == 1 ? QStringLiteral(" Photo") : QStringLiteral(" Photos"));
    });
}

}  // namespace

#define WKS_LIST(name, ...)                           \
    const QStringList& name() {                       \
        static const QStringList items = __VA_ARGS__; \
        return items;                                 \
    }

WKS_LIST(offOn, {"OFF", "ON"})
WKS_LIST(hours, numbers(0, 23, 1, twoDigits))
WKS_LIST(minutes, numbers(0, 59, 1, twoDigits))
WKS_LIST(timeLapse, QStringList{"OFF"} + numbers(5, 55, 5, padAfter("Min")) +
                        numbers(1, 8, 1, padAfter("Hour")))
WKS_LIST(pirTrigger, {"Low", "Normal", "High", "OFF"})
WKS_LIST(pirInterval, numbers(0, 55, 5, padAfter("Sec")) + numbers(1, 5, 1, padAfter("Min")) +
                          numbers(10, 60, 5, padAfter("Min")))
WKS_LIST(pirIntervalLeading, numbers(0, 55, 5, padBefore("Sec")) +
                                 numbers(1, 5, 1, padBefore("Min")) +
                                 numbers(10, 60, 5, padBefore("Min")))
WKS_LIST(videoSize, {"1280*720", "640*480"})
WKS_LIST(photoBurst3, photos(3))
WKS_LIST(photoBurst6, photos(6))
WKS_LIST(cameraMode2, {"Photo", "Video"})
WKS_LIST(cameraMode3, {"Photo", "Video", "Camvid"})
WKS_LIST(cameraPosition,
         QStringList{"OFF"} + numbers('A', 'Z', 1, [](int c) { return QString(QChar(c)); }))
WKS_LIST(language8,
         {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian"})
WKS_LIST(languageGroup1, {"English", "Suomi", "Deutsch", "Svenskt", "Slovakian"})
WKS_LIST(replayTime,
         QStringList{"OFF"} + numbers(1, 99, 1, [](int n) { return QString::number(n); }))
WKS_LIST(maxNumber,
         numbers(0, 99, 1, [](int n) { return QString::number(n); }) + QStringList{"Unlimited"})
WKS_LIST(workMode, {"Indoor", "Outdoor"})
WKS_LIST(photoSizeFx200, {"3M", "5M"})
WKS_LIST(photoSizeGroup1, {"5M", "8M"})
WKS_LIST(photoSizeLn713z, {"5M", "10M"})
WKS_LIST(photoSizeLn714w, {"5M", "10M", "12M"})
// The camera's own menu writes the first item without a blank and the 50-second one with a
// trailing blank; the texts are kept as it shows them.
WKS_LIST(videoLengthFx200, [] {
    QStringList items = numbers(5, 60, 1, padBefore("Sec"));
    items[0] = QStringLiteral("5 Sec");
    items[45] = QStringLiteral("50 Sec ");
    return items;
}())
WKS_LIST(videoLengthGroup1, numbers(5, 60, 1, padBefore("Sec")))
WKS_LIST(videoLengthLn713z, tensOfSeconds())
WKS_LIST(videoLengthLn714w, QStringList{"5   Sec"} + tensOfSeconds())
WKS_LIST(sendToLn714w, {"Photo[MMS]", "Email[GPRS]", "Call"})

#undef WKS_LIST

}  // namespace wks::ui::camera::lists
