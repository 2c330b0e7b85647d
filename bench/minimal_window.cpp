// The yardstick for start-up: the least a Qt Widgets program does to show a
// window of the program's size with one label, with the same first-paint probe.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_frame_probe.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(810, 605);
  QLabel label(QStringLiteral("Focimetra"), &window);
  label.move(20, 20);
  bench::FirstFrameProbe probe(window);
  window.show();
  return QApplication::exec();
}
