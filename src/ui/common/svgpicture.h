#pragma once
// A picture drawn from an SVG resource at the size it is shown, so it stays sharp at any scale.
// It takes its drawing's own size (plus its frame), like a Windows picture control.

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

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
    QSvgRenderer* renderer_;
};

}  // namespace wks::ui
