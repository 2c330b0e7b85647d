#include "ui/decoded_pictures.h"

#include <QImageReader>
#include <utility>

namespace ui {

DecodedPictures::Images DecodedPictures::Decode(const QStringList& paths) {
  Images decoded;
  for (const QString& path : paths) {
    QImage image = QImageReader(path).read();
    if (!image.isNull()) decoded.insert(path, std::move(image));
  }
  return decoded;
}

QPixmap DecodedPictures::Take(const QString& path) {
  if (pending_.valid()) images_.insert(pending_.get());
  QImage image = images_.take(path);
  // Read as QPixmap(path) would read it, so that both ways give the same pixels.
  if (image.isNull()) return QPixmap(path);
  return QPixmap::fromImage(std::move(image));
}

}  // namespace ui
