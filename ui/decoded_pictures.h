#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace ui {

// Embedded pictures decoded ahead of need, by resource path. Decoding needs no
// window and is safe on any thread, so the program decodes the pictures its
// window shows while the toolkit is still connecting to the display. The first
// decoding in a process also loads every image-format plugin, which costs more
// than the pictures themselves.
class DecodedPictures {
 public:
  DecodedPictures() = default;

  // Decodes each picture; one that cannot be read is left out.
  static DecodedPictures Decode(const QStringList& paths);

  // The picture at path, decoded ahead or read now (a null pixmap when there is
  // none). A picture decoded ahead is handed over once. GUI thread only.
  QPixmap Take(const QString& path);

 private:
  QHash<QString, QImage> images_;
};

}  // namespace ui
