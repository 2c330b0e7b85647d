#include "tests/fuzz/message_box_closer.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace fuzz {

MessageBoxCloser::MessageBoxCloser() { qApp->installEventFilter(this); }

MessageBoxCloser::~MessageBoxCloser() { qApp->removeEventFilter(this); }

bool MessageBoxCloser::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show) {
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      ++closed_;
      QTimer::singleShot(0, box, [box] {
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
          ok->click();
        } else {
          box->reject();
        }
      });
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace fuzz
