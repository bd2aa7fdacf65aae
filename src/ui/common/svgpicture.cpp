#include "ui/common/svgpicture.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace wks::ui {
namespace {

// A picture is a graphic to a screen reader; a clickable one is a button that can be pressed.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(SvgPicture* picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override {
        return picture()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override {
        return picture()->isClickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) picture()->click();
    }

  private:
    SvgPicture* picture() const { return static_cast<SvgPicture*>(widget()); }
};

QAccessibleInterface* pictureFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(SvgPicture::staticMetaObject.className())) {
        return new PictureAccessible(static_cast<SvgPicture*>(object));
    }
    return nullptr;
}

}  // namespace

SvgPicture::SvgPicture(QWidget* parent) : QFrame(parent), renderer_(new QSvgRenderer(this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    static const bool installed = (QAccessible::installFactory(pictureFactory), true);
    (void)installed;
}

void SvgPicture::setSource(const QString& source) {
    if (source == source_) return;
    source_ = source;
    renderer_->load(source);
    updateGeometry();
    update();
}

bool SvgPicture::isValid() const { return renderer_->isValid(); }

void SvgPicture::setClickable(bool clickable) {
    clickable_ = clickable;
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void SvgPicture::click() {
    if (clickable_) emit clicked();
}

QSize SvgPicture::sizeHint() const {
    const int frame = 2 * frameWidth();
    return renderer_->defaultSize() + QSize(frame, frame);
}

void SvgPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    const QSize drawing = renderer_->defaultSize();
    if (drawing.isEmpty() || area.width() * drawing.height() <= area.height() * drawing.width()) {
        renderer_->render(&painter, area);
        return;
    }
    // Wider than the drawing: the drawing at its own proportions, its last column stretched.
    const qreal ratio = devicePixelRatioF();
    const int width = area.height() * drawing.width() / drawing.height();
    QPixmap pixmap(QSize(width, area.height()) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter onPixmap(&pixmap);
        renderer_->render(&onPixmap, QRectF(0, 0, width, area.height()));
    }
    painter.drawPixmap(area.topLeft(), pixmap);
    const QRectF edge(pixmap.width() - 1, 0, 1, pixmap.height());
    painter.drawPixmap(QRectF(area.left() + width, area.top(), area.width() - width, area.height()),
                       pixmap, edge);
}

void SvgPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (clickable_ && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint())) {
        click();
        return;
    }
    QFrame::mouseReleaseEvent(event);
}

}  // namespace wks::ui
