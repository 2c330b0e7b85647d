// The sorted lists: Click whenever an entry becomes current, by the user or the
// program, and never from clearing, adding entries or taking the focus.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "ui/list_box.h"

using ui::ListBox;

class ListBoxTest : public QObject {
  Q_OBJECT

  QWidget window_;
  ListBox* list_ = nullptr;
  QLineEdit* before_ = nullptr;

 private slots:
  void initTestCase() {
    before_ = new QLineEdit(&window_);
    list_ = new ListBox(&window_);
    list_->setGeometry(0, 30, 120, 112);
    window_.show();
    window_.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_));
  }

  void init() { list_->Clear(); }

  void entriesAreSortedByCharacterCode() {
    for (const char* text :
         {"CAM-111 partial scan", "CAM-102", "CAM-111 full scan", "CAM-102", "cam-1", "CAM-101"}) {
      list_->AddItem(QString::fromLatin1(text));
    }
    QStringList shown;
    for (int row = 0; row < list_->count(); ++row) shown.append(list_->item(row)->text());
    QCOMPARE(shown, (QStringList{"CAM-101", "CAM-102", "CAM-102", "CAM-111 full scan",
                                 "CAM-111 partial scan", "cam-1"}));
  }

  void addingAndClearingRaiseNothing() {
    QSignalSpy clicks(list_, &ListBox::Click);
    list_->AddItem(QStringLiteral("LNS-05"));
    list_->AddItem(QStringLiteral("LNS-01"));
    QVERIFY(list_->CurrentText().isEmpty());
    list_->MakeCurrent(1);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(list_->CurrentText(), QStringLiteral("LNS-05"));
    list_->AddItem(QStringLiteral("LNS-03"));  // sorts in before the current entry
    QCOMPARE(list_->CurrentText(), QStringLiteral("LNS-05"));
    list_->Clear();
    QCOMPARE(clicks.count(), 1);
  }

  void tabbingInMakesNoEntryCurrent() {
    list_->AddItem(QStringLiteral("LNS-01"));
    QSignalSpy clicks(list_, &ListBox::Click);
    before_->setFocus();
    QTest::keyClick(before_, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), list_);
    QVERIFY(list_->CurrentText().isEmpty());
    QCOMPARE(clicks.count(), 0);
  }

  void userChoicesRaiseClick() {
    list_->AddItem(QStringLiteral("LNS-01"));
    list_->AddItem(QStringLiteral("LNS-02"));
    QSignalSpy clicks(list_, &ListBox::Click);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list_->visualItemRect(list_->item(1)).center());
    QCOMPARE(clicks.count(), 1);
    QTest::keyClick(list_, Qt::Key_Up);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list_->CurrentText(), QStringLiteral("LNS-01"));
    // Clicking the current entry again is no new choice.
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list_->visualItemRect(list_->item(0)).center());
    QCOMPARE(clicks.count(), 2);
  }
};

QTEST_MAIN(ListBoxTest)
#include "list_box_test.moc"
