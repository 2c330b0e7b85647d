#include "ui/decoded_pictures.h"

#include <QImageReader>
#include <utility>

namespace ui {

DecodedPictures DecodedPictures::Decode(const QStringList& paths) {
  DecodedPictures decoded;
  for (const QString& path : paths) {
    QImage image = QImageReader(path).read();
    if (!image.isNull()) decoded.images_.insert(path, std::move(image));
  }
  return decoded;
}

QPixmap DecodedPictures::Take(const QString& path) {
  QImage image = images_.take(path);
  // Read as QPixmap(path) would read it, so that both ways give the same pixels.
  if (image.isNull()) return QPixmap(path);
  return QPixmap::fromImage(std::move(image));
}

}  // namespace ui
