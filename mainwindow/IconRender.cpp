// Build tool: draws an SVG image into a square PNG of the given size.
//   solvanex_icon_render IN.svg OUT.png SIZE
// The window icon is shipped as PNG images drawn from its SVG source, so that the program does
// not load the SVG renderer at start-up only to give its window an icon.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s IN.svg OUT.png SIZE\n", argv[0]);
    return 2;
  }
  const int size = std::atoi(argv[3]);
  QSvgRenderer renderer{QString::fromLocal8Bit(argv[1])};
  if (!renderer.isValid() || size <= 0) {
    std::fprintf(stderr, "cannot draw %s at %s pixels\n", argv[1], argv[3]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
