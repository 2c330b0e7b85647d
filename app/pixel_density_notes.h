#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace app {

class FrmMain;

// While a catalogue camera is chosen, its row's W, H, L and f labels note their
// pixel density and DORI level (tool tip and accessible description), and the
// focal-length fields each level's greatest distance.
class PixelDensityNotes : public QObject {
  Q_OBJECT

 public:
  // Follows every event that can change a value or the camera, after the window's handler.
  explicit PixelDensityNotes(FrmMain& window);

  void Refresh();

 private:
  void Show(QWidget& widget, const QString& note, bool describe);

  FrmMain& window_;
  QHash<const QWidget*, QString> plainDescriptions_;
};

}  // namespace app
