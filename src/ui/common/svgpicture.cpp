#include "ui/common/svgpicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace wks::ui {

SvgPicture::SvgPicture(QWidget* parent) : QFrame(parent), renderer_(new QSvgRenderer(this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void SvgPicture::setSource(const QString& source) {
    if (source == source_) return;
    source_ = source;
    renderer_->load(source);
    updateGeometry();
    update();
}

bool SvgPicture::isValid() const { return renderer_->isValid(); }

QSize SvgPicture::sizeHint() const {
    const int frame = 2 * frameWidth();
    return renderer_->defaultSize() + QSize(frame, frame);
}

void SvgPicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    renderer_->render(&painter, contentsRect());
}

}  // namespace wks::ui
