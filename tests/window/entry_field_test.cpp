// The event semantics of an entry field: which keys reach the key handler and
// with what code, how the handler's code is applied, when Change and GotFocus run.
#include <QAccessible>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "tests/window/whole_text.h"
#include "ui/entry_field.h"
#include "ui/fonts.h"
#include "ui/numeric_entry.h"

using ui::EntryField;
using ui::KeyCode;

class EntryFieldTest : public QObject {
  Q_OBJECT

  QWidget window_;
  EntryField* field_ = nullptr;
  QLineEdit* other_ = nullptr;
  QList<int> codes_;         // codes seen by the key handler
  int replaceWith_ = -1;     // code the handler hands back, -1 to keep it
  bool digitsOnly_ = false;  // the handler discards every key but a digit

 private slots:
  void initTestCase() {
    field_ = new EntryField(&window_);
    other_ = new QLineEdit(&window_);
    other_->move(0, 40);
    field_->SetKeyHandler([this](KeyCode code) {
      codes_.append(code);
      if (digitsOnly_ && (code < '0' || code > '9')) return KeyCode{0};
      return replaceWith_ >= 0 ? static_cast<KeyCode>(replaceWith_) : code;
    });
    window_.show();
    window_.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window_));
  }

  void init() {
    field_->setFocus();
    field_->WriteText({});
    codes_.clear();
    replaceWith_ = -1;
    digitsOnly_ = false;
  }

  void writeRaisesChangeOnlyForADifferentText() {
    QSignalSpy changes(field_, &EntryField::Change);
    field_->WriteText(QStringLiteral("12"));
    QCOMPARE(changes.count(), 1);
    field_->WriteText(QStringLiteral("12"));
    QCOMPARE(changes.count(), 1);
  }

  void pasteOfTheSameTextIsNoChange() {
    field_->WriteText(QStringLiteral("12"));
    QSignalSpy changes(field_, &EntryField::Change);
    field_->selectAll();
    field_->insert(QStringLiteral("12"));
    QCOMPARE(changes.count(), 0);
  }

  void changeRunsBeforeTheWriteReturns() {
    QString seen;
    auto connection = connect(field_, &EntryField::Change, this, [&] { seen = field_->text(); });
    field_->WriteText(QStringLiteral("7"));
    disconnect(connection);
    QCOMPARE(seen, QStringLiteral("7"));
  }

  void keyCodes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");  // -1: the key does not reach the handler
    QTest::newRow("digit") << int{Qt::Key_5} << "5" << 0 << int{'5'};
    QTest::newRow("letter") << int{Qt::Key_A} << "a" << 0 << int{'a'};
    QTest::newRow("space") << int{Qt::Key_Space} << " " << 0 << int{' '};
    QTest::newRow("backspace") << int{Qt::Key_Backspace} << "\b" << 0 << 8;
    QTest::newRow("return") << int{Qt::Key_Return} << "\r" << 0 << 13;
    QTest::newRow("escape") << int{Qt::Key_Escape} << "\x1b" << 0 << 27;
    QTest::newRow("beyond single byte") << int{Qt::Key_unknown} << "\u3042" << 0 << 0x7fff;
    QTest::newRow("delete") << int{Qt::Key_Delete} << "\x7f" << 0 << -1;
    const int keypad = Qt::KeypadModifier;
    QTest::newRow("keypad point, German") << int{Qt::Key_Comma} << "," << keypad << int{'.'};
    QTest::newRow("keypad point, US") << int{Qt::Key_Period} << "." << keypad << int{'.'};
    QTest::newRow("main keyboard comma") << int{Qt::Key_Comma} << "," << 0 << int{','};
    QTest::newRow("keypad point, Num Lock off") << int{Qt::Key_Delete} << "" << keypad << -1;
    QTest::newRow("left") << int{Qt::Key_Left} << "" << 0 << -1;
    QTest::newRow("ctrl+v as X11 sends it")
        << int{Qt::Key_V} << "\x16" << int{Qt::ControlModifier} << -1;
    QTest::newRow("ctrl+v as tests send it")
        << int{Qt::Key_V} << "v" << int{Qt::ControlModifier} << -1;
    QTest::newRow("alt+1") << int{Qt::Key_1} << "1" << int{Qt::AltModifier} << -1;
    QTest::newRow("altgr as ctrl+alt types")
        << int{Qt::Key_5} << "5" << int{Qt::ControlModifier | Qt::AltModifier} << int{'5'};
    QTest::newRow("format character") << int{Qt::Key_unknown} << "\u200d" << 0 << 0x7fff;
    QTest::newRow("beyond the basic plane") << int{Qt::Key_unknown} << "\U0001F600" << 0 << 0x7fff;
  }

  void keyCodes() {
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QTest::sendKeyEvent(QTest::Press, field_, static_cast<Qt::Key>(key), text,
                        Qt::KeyboardModifiers(modifiers));
    if (code < 0) {
      QVERIFY(codes_.isEmpty());
    } else {
      QCOMPARE(codes_, QList<int>{code});
    }
  }

  void handlerCodeIsApplied_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("handlerCode");
    QTest::addColumn<QString>("after");
    QTest::newRow("discard") << "12" << 2 << 0 << 0 << "12";
    QTest::newRow("backspace at the caret") << "12" << 2 << 0 << 8 << "1";
    QTest::newRow("backspace over a selection") << "1234" << 1 << 2 << 8 << "14";
    QTest::newRow("typed character replaces the selection") << "1234" << 0 << 4 << -1 << "9";
    QTest::newRow("typed character at the caret") << "12" << 1 << 0 << -1 << "192";
  }

  void handlerCodeIsApplied() {
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, handlerCode);
    QFETCH(QString, after);
    field_->WriteText(before);
    field_->setCursorPosition(selectionStart);
    if (selectionLength > 0) field_->setSelection(selectionStart, selectionLength);
    replaceWith_ = handlerCode;
    QTest::keyClick(field_, Qt::Key_9, Qt::NoModifier);
    QCOMPARE(field_->text(), after);
  }

  void altShortcutsTypeNothing() {
    field_->WriteText(QStringLiteral("12"));
    QTest::sendKeyEvent(QTest::Press, field_, Qt::Key_Period, QStringLiteral("."), Qt::AltModifier);
    QCOMPARE(field_->text(), QStringLiteral("12"));
  }

  void inputMethodCommitIsTypedUntilACharacterIsRefused() {
    replaceWith_ = -1;
    digitsOnly_ = true;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("12x34"));
    QApplication::sendEvent(field_, &commit);
    QCOMPARE(field_->text(), QStringLiteral("12"));
    digitsOnly_ = false;
    QCOMPARE(codes_, (QList<int>{'1', '2', 'x'}));
  }

  void pasteDoesNotPassTheKeyHandler() {
    field_->selectAll();
    field_->insert(QStringLiteral("abc"));
    QVERIFY(codes_.isEmpty());
    QCOMPARE(field_->text(), QStringLiteral("abc"));
  }

  // Text that comes other than by a typed key loses the white space around it
  // before the field takes it, inner white space stays; the change is raised once,
  // for the trimmed text.
  void arrivingTextLosesTheWhiteSpaceAroundIt_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    const QString routes[] = {"paste", "drop", "input method", "assistive set-text",
                              "assistive insert-text"};
    for (const QString& how : routes) {
      QTest::addRow("%s, spaces", qPrintable(how)) << how << " 3.8 "
                                                   << "3.8";
      QTest::addRow("%s, tab", qPrintable(how)) << how << "10\t"
                                                << "10";
      QTest::addRow("%s, no-break space and line break", qPrintable(how)) << how << "\u00a05\n"
                                                                          << "5";
      QTest::addRow("%s, figure, narrow and ideographic spaces", qPrintable(how))
          << how << "\u2007\u202f7\u3000"
          << "7";
      // An input method's commit is typed: nothing left to type leaves the field alone.
      QTest::addRow("%s, white space only", qPrintable(how))
          << how << "\r\n\t" << (how == "input method" ? "9" : "");
    }
    QTest::newRow("paste, inner space") << "paste"
                                        << " 1 2\t"
                                        << "1 2";
    QTest::newRow("paste, inner tab") << "paste"
                                      << "1\t2"
                                      << "1 2";
  }

  void arrivingTextLosesTheWhiteSpaceAroundIt() {
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, after);
    field_->WriteText(QStringLiteral("9"));
    field_->selectAll();
    QStringList changes;
    const auto spy = connect(field_, &EntryField::Change, this, [&] { changes << field_->text(); });
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field_);
    QMimeData data;
    data.setText(text);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    if (how == "paste") field_->insert(text);
    // A drop and an insertion go in at a point: into an empty field here.
    if (how == "drop" || how == "assistive insert-text") field_->WriteText({});
    const QString start = field_->text();
    changes.clear();
    if (how == "drop") {
      QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(field_, &enter);
      QApplication::sendEvent(field_, &drop);
    }
    if (how == "input method") QApplication::sendEvent(field_, &commit);
    if (how == "assistive set-text") accessible->editableTextInterface()->replaceText(0, 1, text);
    if (how == "assistive insert-text") accessible->editableTextInterface()->insertText(0, text);
    disconnect(spy);
    QCOMPARE(field_->text(), after);
    for (const QString& changed : changes) QCOMPARE(changed, changed.trimmed());
    if (after != start) QCOMPARE(changes.value(changes.size() - 1), after);
    QTest::keyClick(field_, Qt::Key_Z, Qt::ControlModifier);  // undo restores no white space
    QCOMPARE(field_->text(), field_->text().trimmed());
  }

  // Every platform plugin, the offscreen one included, moves the caret as X11
  // desktops do: Left and Right over a selection collapse it to its start or end.
  void caretKeys_data() {
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("caret");
    QTest::newRow("left over the whole text") << 0 << 3 << int{Qt::Key_Left} << 0;
    QTest::newRow("right over the whole text") << 0 << 3 << int{Qt::Key_Right} << 3;
    QTest::newRow("left over the middle") << 1 << 1 << int{Qt::Key_Left} << 1;
    QTest::newRow("right over the middle") << 1 << 1 << int{Qt::Key_Right} << 2;
    QTest::newRow("left without a selection") << 2 << 0 << int{Qt::Key_Left} << 1;
    QTest::newRow("right without a selection") << 1 << 0 << int{Qt::Key_Right} << 2;
    QTest::newRow("home") << 1 << 1 << int{Qt::Key_Home} << 0;
    QTest::newRow("end") << 0 << 1 << int{Qt::Key_End} << 3;
  }

  void caretKeys() {
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(int, key);
    QFETCH(int, caret);
    field_->WriteText(QStringLiteral("100"));
    field_->setCursorPosition(selectionStart);
    if (selectionLength > 0) field_->setSelection(selectionStart, selectionLength);
    QTest::keyClick(field_, static_cast<Qt::Key>(key));
    QCOMPARE(field_->cursorPosition(), caret);
    QVERIFY(!field_->hasSelectedText());
    QTest::keyClick(field_, Qt::Key_9);
    QCOMPARE(field_->text(), QStringLiteral("100").insert(caret, QLatin1Char('9')));
  }

  // Only a change that neither a typed key nor the program made is the user's
  // own edit, and it is raised before the change.
  void userEditsAreTheChangesNoKeyOrWriteMade_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("userEdit");
    for (const char* how : {"paste", "cut", "delete key", "undo", "assistive write"}) {
      QTest::newRow(how) << QString::fromLatin1(how) << true;
    }
    for (const char* how : {"typed digit", "backspace", "program write", "same text pasted"}) {
      QTest::newRow(how) << QString::fromLatin1(how) << false;
    }
  }

  void userEditsAreTheChangesNoKeyOrWriteMade() {
    QFETCH(QString, how);
    QFETCH(bool, userEdit);
    field_->WriteText(QStringLiteral("12"));
    field_->setSelection(0, 1);
    field_->del();  // "2", for undo to take back
    QStringList events;
    const auto edits = connect(field_, &EntryField::UserEdit, this, [&] { events << "edit"; });
    const auto changes = connect(field_, &EntryField::Change, this, [&] { events << "change"; });
    field_->setSelection(0, 1);
    if (how == "paste") field_->insert(QStringLiteral("7"));
    if (how == "cut") field_->cut();
    if (how == "delete key") QTest::keyClick(field_, Qt::Key_Delete);
    if (how == "undo") field_->undo();
    if (how == "assistive write") field_->setText(QStringLiteral("8"));
    if (how == "typed digit") QTest::keyClick(field_, Qt::Key_5);
    if (how == "backspace") QTest::keyClick(field_, Qt::Key_Backspace);
    if (how == "program write") field_->WriteText(QStringLiteral("9"));
    if (how == "same text pasted") field_->insert(QStringLiteral("2"));
    disconnect(edits);
    disconnect(changes);
    const QStringList expected = how == "same text pasted" ? QStringList{}
                                 : userEdit                ? QStringList{"edit", "change"}
                                                           : QStringList{"change"};
    QCOMPARE(events, expected);
  }

  // A text wider than the field, as the program writes it, shows from its first
  // character: condensed, not scrolled to its tail.
  void wideWrittenTextIsCondensedNotScrolled() {
    other_->setFocus();  // no caret or focus frame in the picture
    field_->resize(41, 18);
    field_->WriteText(QStringLiteral("24200.00"));
    QVERIFY(field_->font().stretch() > 0 && field_->font().stretch() < 100);
    QCOMPARE(testing_support::WholeTextProblem(*field_, {}), QString());
    field_->WriteText(QStringLiteral("1"));
    QCOMPARE(field_->font().stretch(), int{QFont::AnyStretch});
  }

  // A user may paste anything: a character the window's face lacks is drawn
  // from another font, not as a box.
  void pastedCharactersTheFaceLacksComeFromOtherFonts() {
    const QFont before = field_->font();
    field_->setFont(ui::FontFor(ui::FontRole::Window));
    int fromOtherFonts = 0;
    for (const QString& text :
         {QStringLiteral("12.5"), QStringLiteral("\u2603\uff11"), QStringLiteral("5\u263a"),
          QStringLiteral("\u05d0\u0627"), QStringLiteral("7")}) {
      field_->selectAll();
      field_->insert(text);  // a paste
      QFont withFallbacks = field_->font();
      withFallbacks.setStyleStrategy(QFont::PreferDefault);
      QFont faceOnly = field_->font();
      faceOnly.setStyleStrategy(QFont::NoFontMerging);
      const QFontMetrics face(faceOnly), shown(field_->font());
      for (const char32_t c : text.toUcs4()) {
        QVERIFY2(shown.inFontUcs4(c) == QFontMetrics(withFallbacks).inFontUcs4(c),
                 qPrintable(text));
        if (!face.inFontUcs4(c) && shown.inFontUcs4(c)) ++fromOtherFonts;
      }
    }
    QVERIFY2(fromOtherFonts > 0, "no character here is missing from the face");
    field_->setFont(before);
  }

  void gotFocusOnTabAndProgramButNotOnReturnToTheWindow() {
    QSignalSpy gotFocus(field_, &EntryField::GotFocus);
    other_->setFocus(Qt::OtherFocusReason);
    field_->setFocus(Qt::TabFocusReason);
    QCOMPARE(gotFocus.count(), 1);
    other_->setFocus(Qt::OtherFocusReason);
    field_->setFocus(Qt::OtherFocusReason);
    QCOMPARE(gotFocus.count(), 2);
    other_->setFocus(Qt::OtherFocusReason);
    field_->setFocus(Qt::ActiveWindowFocusReason);
    field_->clearFocus();
    field_->setFocus(Qt::PopupFocusReason);
    QCOMPARE(gotFocus.count(), 2);
  }

  void clickIntoTheFieldKeepsTheFocusSelection() {
    connect(field_, &EntryField::GotFocus, this, [this] { ui::SelectWholeText(*field_); });
    field_->WriteText(QStringLiteral("123"));
    other_->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(field_, Qt::LeftButton, Qt::NoModifier, QPoint(4, field_->height() / 2));
    QCOMPARE(field_->selectedText(), QStringLiteral("123"));
  }

  void lengthRuleCutsToFourUnlessExempt() {
    connect(field_, &EntryField::Change, this, [this] { ui::LimitTextLength(*field_, 5); });
    field_->WriteText(QStringLiteral("12345"));
    QCOMPARE(field_->text(), QStringLiteral("1234"));
    field_->WriteTextExemptFromLengthRule(QStringLiteral("101.3"));
    QCOMPARE(field_->text(), QStringLiteral("101.3"));
    field_->WriteText(QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"));
    QCOMPARE(field_->text(), QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600"));
  }
};

QTEST_MAIN(EntryFieldTest)
#include "entry_field_test.moc"
