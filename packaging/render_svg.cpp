// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG drawing at build time, so that the program shows pictures without an SVG
// renderer of its own. "SIZE" makes a square of SIZE pixels (the icon's sizes), "Nx" the
// drawing's own size times N (the screens' pictures at 1×, 2× and 3×). Every size comes from the
// one drawing, so they never drift apart.
//
// OUT.png is a PNG (the icons a desktop installs); OUT.argb holds the pixels as the program
// paints them, so that showing one decodes nothing: width and height as two 32-bit words, then
// the rows of premultiplied ARGB32 pixels, in this machine's byte order (QImage's own layout).

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>
#include <cstdio>

namespace {

bool writePixels(const QImage& image, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const std::uint32_t size[2] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    bool ok = out.write(reinterpret_cast<const char*>(size), sizeof size) == sizeof size;
    for (int y = 0; ok && y < image.height(); ++y) {
        const qint64 row = qint64(image.width()) * 4;
        ok = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), row) == row;
    }
    return ok && out.flush();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-svg IN.svg OUT.png|OUT.argb SIZE|Nx\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    QString size = QString::fromLocal8Bit(argv[3]);
    const bool scaled = size.endsWith('x');
    if (scaled) size.chop(1);
    bool number = false;
    const int n = size.toInt(&number);
    if (!renderer.isValid() || !number || n <= 0) {
        std::fprintf(stderr, "render-svg: cannot render %s at %s\n", argv[1], argv[3]);
        return 1;
    }
    const QSize pixels = scaled ? renderer.defaultSize() * n : QSize(n, n);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QString out = QString::fromLocal8Bit(argv[2]);
    const bool written = out.endsWith(".argb") ? writePixels(image, out) : image.save(out, "PNG");
    return written ? 0 : 1;
}
