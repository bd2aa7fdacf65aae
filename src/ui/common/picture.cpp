// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/picture.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QIcon>
#include <QIconEngine>
#include <QMouseEvent>
#include <QPainter>
#include <QResource>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace wks::ui {

namespace {

// Every picture is drawn at 1×, 2× and 3×.
constexpr int kMaxScale = 3;

QString renditionPath(const QString& source, int scale) {
    if (scale == 1) return source;
    const QFileInfo file(source);
    return file.path() + '/' + file.completeBaseName() + QStringLiteral("@%1x.").arg(scale) +
           file.suffix();
}

// The program's icon, drawn at build time in the sizes an X11 window hands its window manager
// (each of them, for every window), and read only when asked for: Wayland and the offscreen
// platform never ask. Larger sizes come from the desktop entry's icon.
class ProgramIconEngine : public QIconEngine {
  public:
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("wks-program-icon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int px : kSizes) sizes << QSize(px, px);
        return sizes;
    }

    // The smallest drawing at least as large as asked for (else the largest), scaled to fit.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int wanted = std::max(size.width(), size.height());
        const auto px = std::find_if(std::begin(kSizes), std::end(kSizes),
                                     [wanted](int px) { return px >= wanted; });
        const int drawn = px == std::end(kSizes) ? kSizes[std::size(kSizes) - 1] : *px;
        QImage image = readPicture(QStringLiteral(":/pictures/icon-%1.argb").arg(drawn));
        if (drawn != wanted && !image.isNull())
            image = image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return QPixmap::fromImage(std::move(image));
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
    }

  private:
    static constexpr int kSizes[] = {16, 32, 48, 64, 128};
};

// A picture is a graphic to a screen reader; a clickable one is a button that can be pressed.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(Picture* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override {
        return picture()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        return picture()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }
    // The press answers at once and the click follows, as with Qt's buttons: what the click
    // opens (the About box, modal) would otherwise hold the screen reader's call until it
    // closes.
    void doAction(const QString& action) override {
        if (action == pressAction())
            QMetaObject::invokeMethod(picture(), &Picture::click, Qt::QueuedConnection);
    }

  private:
    Picture* picture() const { return static_cast<Picture*>(widget()); }
};

QAccessibleInterface* pictureFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(Picture::staticMetaObject.className())) {
        return new PictureAccessible(static_cast<Picture*>(object));
    }
    return nullptr;
}

}  // namespace

QImage readPicture(const QString& path) {
    const QResource resource(path);
    // The 1× pictures and the icon are stored uncompressed: these bytes are then the program's
    // own, mapped from its file, and the image is painted straight from them.
    const QByteArray bytes = resource.uncompressedData();
    std::uint32_t size[2] = {0, 0};
    if (bytes.size() < qsizetype(sizeof size)) return {};
    std::memcpy(size, bytes.constData(), sizeof size);
    const qsizetype row = qsizetype(size[0]) * 4;
    if (size[0] == 0 || size[1] == 0 || size[0] > 16384 || size[1] > 16384 ||
        bytes.size() != qsizetype(sizeof size) + row * size[1])
        return {};
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData()) + sizeof size;
    const QImage image(pixels, static_cast<int>(size[0]), static_cast<int>(size[1]), row,
                       QImage::Format_ARGB32_Premultiplied);
    // Pixels QImage may read in place: ones that outlive it, on a 32-bit boundary.
    const bool inPlace =
        resource.compressionAlgorithm() == QResource::NoCompression && quintptr(pixels) % 4 == 0;
    return inPlace ? image : image.copy();
}

namespace {

// The words of the drawings, in the drawing's pixels: where their baseline starts (its middle,
// when centred), their height and their colour, as the drawing would have written them.
struct DrawingWords {
    const char* source;
    const char* words;
    QPointF anchor;
    qreal pixelSize;
    QRgb color;
    bool centred;
};
const DrawingWords kDrawingWords[] = {
    {":/pictures/banner.argb",
     QT_TRANSLATE_NOOP("wks::ui::Picture", "Settings for GSM / MMS trail cameras"),
     {106, 80},
     14,
     0xffd7ecd0,
     false},
    {":/pictures/product-none.argb",
     QT_TRANSLATE_NOOP("wks::ui::Picture", "No product chosen"),
     {82.5, 168},
     12,
     0xff7d8579,
     true},
};

}  // namespace

Picture::Picture(QWidget* parent) : QFrame(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    static const bool installed = (QAccessible::installFactory(pictureFactory), true);
    (void)installed;
}

void Picture::setSource(const QString& source) {
    if (source == source_) return;
    source_ = source;
    shown_ = readPicture(source);
    shownScale_ = 1;
    size_ = shown_.size();
    updateGeometry();
    update();
}

int Picture::scaleFor(qreal devicePixelRatio) {
    return std::clamp(int(std::ceil(devicePixelRatio - 0.01)), 1, kMaxScale);
}

QImage Picture::rendition(int scale) const {
    QImage image = readPicture(renditionPath(source_, scale));
    return image.isNull() ? readPicture(source_) : image;
}

void Picture::setClickable(bool clickable) {
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Picture::click() {
    if (clickable_) emit clicked();
}

QSize Picture::sizeHint() const {
    const int frame = 2 * frameWidth();
    return size_ + QSize(frame, frame);
}

void Picture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!isValid()) return;
    const int scale = scaleFor(devicePixelRatioF());
    if (scale != shownScale_) {
        shown_ = rendition(scale);
        shownScale_ = scale;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    // Smoothing only where the picture is stretched: the hint takes Qt off its quick path even
    // at one pixel per pixel, onto one that starts worker threads for the first paint.
    if (area.size() * scale != shown_.size())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (area.width() * size_.height() <= area.height() * size_.width()) {
        painter.drawImage(area, shown_);
        paintWords(painter, area);
        return;
    }
    // Wider than the drawing: the drawing at its own proportions, its last column stretched.
    const int width = area.height() * size_.width() / size_.height();
    const QRect drawing(area.topLeft(), QSize(width, area.height()));
    painter.drawImage(drawing, shown_);
    painter.drawImage(QRectF(area.left() + width, area.top(), area.width() - width, area.height()),
                      shown_, QRectF(shown_.width() - 1, 0, 1, shown_.height()));
    paintWords(painter, drawing);
}

// Words longer than the drawing has room for are drawn smaller, so that none is cut.
void Picture::paintWords(QPainter& painter, const QRectF& drawing) {
    const auto* w = std::find_if(std::begin(kDrawingWords), std::end(kDrawingWords),
                                 [this](const DrawingWords& d) { return source_ == d.source; });
    if (w == std::end(kDrawingWords)) return;
    const QString words = tr(w->words);
    const qreal scale = drawing.height() / size_.height();
    const qreal room = (w->centred ? 2 * std::min(w->anchor.x(), size_.width() - w->anchor.x())
                                   : size_.width() - w->anchor.x()) -
                       4;
    QFont font = this->font();
    font.setPixelSize(qRound(w->pixelSize * scale));
    // Each measuring lays the words out anew: measured again only when the size changed.
    qreal drawn = QFontMetricsF(font).horizontalAdvance(words);
    const qreal wide = drawn / scale;
    if (wide > room) {
        font.setPixelSize(std::max(1, qRound(w->pixelSize * room / wide * scale)));
        drawn = QFontMetricsF(font).horizontalAdvance(words);
    }
    const QPointF anchor = drawing.topLeft() + w->anchor * scale;
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(w->color));
    painter.drawText(anchor - QPointF(w->centred ? drawn / 2 : 0, 0), words);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        click();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

QIcon programIcon() { return QIcon(new ProgramIconEngine); }

}  // namespace wks::ui
