// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture drawn at build time from its SVG drawing, so that the program carries no SVG
// renderer (which cost every start a library load and the drawing of each picture):
// ":/pictures/x.argb" at the drawing's own size, x@2x.argb and x@3x.argb for denser screens.
// The widget paints the rendition that suits the screen's pixel ratio, so it stays sharp at 2×
// and 3× scale. It takes its drawing's own size (plus its frame), like a Windows picture
// control. Made wider than its drawing (a banner across a window), it draws the drawing at its
// own proportions and carries the drawing's right edge on to its own. The words a drawing shows
// (the banner's line under the program's name) are drawn by the widget over it, so that they
// are in the user's language. A clickable picture is a
// button: a left click emits clicked(), and so does a screen reader's press action, once the
// press has been answered.

#include <QFrame>
#include <QImage>
#include <QString>

class QIcon;
class QPainter;

namespace wks::ui {

// Reads a picture drawn at build time: its width and height as two 32-bit words, then its rows
// of premultiplied ARGB32 pixels as QImage keeps them. A null image when there is none.
QImage readPicture(const QString& path);

class Picture : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
  public:
    explicit Picture(QWidget* parent = nullptr);

    // The resource path of the drawing's 1× rendition, such as ":/pictures/banner.argb".
    void setSource(const QString& source);
    QString source() const { return source_; }
    // True when the source is a picture that can be shown.
    bool isValid() const { return !size_.isEmpty(); }

    // The rendition painted on a screen with this many device pixels per pixel: the smallest
    // that is at least as dense, else the densest there is (1, 2 or 3).
    static int scaleFor(qreal devicePixelRatio);
    QImage rendition(int scale) const;

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
    void paintWords(QPainter& painter, const QRectF& drawing);

    QString source_;
    QSize size_;          // the drawing's own size, in pixels at 1×
    int shownScale_ = 0;  // the rendition in shown_; 0: none yet
    QImage shown_;
    bool clickable_ = false;
};

// The program's icon in the sizes that window managers and task bars ask for.
QIcon programIcon();

}  // namespace wks::ui
