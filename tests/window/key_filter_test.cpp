// The key filter of the entry fields, row by row, with and without a selection.
#include <QTest>

#include "ui/numeric_entry.h"

using ui::KeyCode;

class KeyFilterTest : public QObject {
  Q_OBJECT

 private slots:
  void filter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("expected");
    const int discard = 0, backspace = 8;
    // No selection
    QTest::newRow("digit into empty") << int{'5'} << "" << 0 << int{'5'};
    QTest::newRow("digit into three") << int{'5'} << "123" << 0 << int{'5'};
    QTest::newRow("digit into full") << int{'5'} << "1234" << 0 << discard;
    QTest::newRow("digit into partner of five") << int{'5'} << "101.3" << 0 << discard;
    QTest::newRow("point into empty") << int{'.'} << "" << 0 << discard;
    QTest::newRow("point after digits") << int{'.'} << "12" << 0 << int{'.'};
    QTest::newRow("second point") << int{'.'} << "1.2" << 0 << discard;
    QTest::newRow("second point, nothing after") << int{'.'} << "12." << 0 << discard;
    QTest::newRow("point into full") << int{'.'} << "1234" << 0 << discard;
    QTest::newRow("backspace") << backspace << "1234" << 0 << backspace;
    QTest::newRow("backspace into empty") << backspace << "" << 0 << backspace;
    QTest::newRow("letter") << int{'a'} << "12" << 0 << discard;
    QTest::newRow("minus") << int{'-'} << "12" << 0 << discard;
    QTest::newRow("space") << int{' '} << "12" << 0 << discard;
    QTest::newRow("return") << 13 << "12" << 0 << discard;
    QTest::newRow("escape") << 27 << "12" << 0 << discard;
    QTest::newRow("beyond single byte") << 0x7fff << "12" << 0 << discard;
    // Some or all of the text selected
    QTest::newRow("digit over selection of full") << int{'5'} << "1234" << 4 << int{'5'};
    QTest::newRow("digit over part") << int{'5'} << "1234" << 2 << int{'5'};
    QTest::newRow("point over selection") << int{'.'} << "12" << 2 << backspace;
    QTest::newRow("point over selection, no point yet") << int{'.'} << "1234" << 1 << backspace;
    QTest::newRow("letter over selection") << int{'x'} << "12" << 1 << backspace;
    QTest::newRow("return over selection") << 13 << "12" << 2 << backspace;
    QTest::newRow("escape over selection") << 27 << "12" << 2 << backspace;
    QTest::newRow("backspace over selection") << backspace << "12" << 2 << backspace;
  }

  void filter() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, selection);
    QFETCH(int, expected);
    QCOMPARE(int{ui::FilteredKeyCode(static_cast<KeyCode>(key), 4, text, selection)}, expected);
  }

  void caretPositionPlaysNoPart() {
    // A point may go in front of the digits: the filter looks at the text only.
    QCOMPARE(int{ui::FilteredKeyCode('.', 4, u"12", 0)}, int{'.'});
  }

  void lengthCountsCharactersNotUnits() {
    // Three characters, one of them outside the basic plane: the box is not full.
    const QString text = QStringLiteral(
        "1\U0001F600"
        "2");
    QCOMPARE(int{ui::FilteredKeyCode('5', 4, text, 0)}, int{'5'});
  }
};

QTEST_MAIN(KeyFilterTest)
#include "key_filter_test.moc"
