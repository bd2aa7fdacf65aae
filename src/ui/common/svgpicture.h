#pragma once
// A picture drawn from an SVG resource at the size it is shown, so it stays sharp at any scale.
// It takes its drawing's own size (plus its frame), like a Windows picture control. Made wider
// than its drawing (a banner across a window), it draws the drawing at its own proportions and
// carries the drawing's right edge on to its own. A clickable picture is a button: a left click
// or a screen reader's press action emits clicked().

#include <QFrame>
#include <QString>

class QSvgRenderer;

namespace wks::ui {

class SvgPicture : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit SvgPicture(QWidget* parent = nullptr);

    // A resource path such as ":/pictures/banner.svg".
    void setSource(const QString& source);
    QString source() const { return source_; }
    // True when the source is a drawing that can be shown.
    bool isValid() const;

    void setClickable(bool clickable);
    bool isClickable() const { return clickable_; }
    // Emits clicked() when the picture is clickable.
    void click();

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString source_;
    QSvgRenderer* renderer_;
    bool clickable_ = false;
};

}  // namespace wks::ui
