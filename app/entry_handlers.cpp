// The handlers of the eleven entry fields. Every key first meets the key filter
// (at most 4 characters); every change first meets the length rule (a longer
// text is cut to 4) and then runs the field's calculator.
#include "app/frm_main.h"
#include "ui/entry_field.h"
#include "ui/entry_limits.h"
#include "ui/numeric_entry.h"

namespace app {
namespace {

constexpr std::int16_t kKeyLimit = ui::kKeyFilterLimit;
constexpr std::int16_t kChangeLimit = ui::kLengthRuleLimit;

}  // namespace

using optics::Field;

// Focal lengths are checked against the chosen camera's or lens's range.
void FrmMain::Txt_ang_f_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_ang_f));
  CheckFocalRange(KeyAscii, Box(Field::Txt_ang_f));
}
void FrmMain::Txt_L_f_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_L_f));
  CheckFocalRange(KeyAscii, Box(Field::Txt_L_f));
}

// The width and height fields remember that they were typed into last, whatever
// the filter made of the key, so that the calculator derives the other size.
void FrmMain::Txt_L_W_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_L_W));
  vars_.LastSizeBox = optics::FieldName(Field::Txt_L_W);
}
void FrmMain::Txt_L_H_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_L_H));
  vars_.LastSizeBox = optics::FieldName(Field::Txt_L_H);
}
void FrmMain::TxtWandL_W_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::TxtWandL_W));
  vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_W);
}
void FrmMain::TxtWandL_H_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::TxtWandL_H));
  vars_.LastSizeBox = optics::FieldName(Field::TxtWandL_H);
}

void FrmMain::Txt_ang_L_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_ang_L));
}
void FrmMain::TxtWandL_L_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::TxtWandL_L));
}
void FrmMain::Txtillumination_M0_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txtillumination_M0));
}
void FrmMain::Txt_F0_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_F0));
}
void FrmMain::Txt_F1_KeyPress(ui::KeyCode& KeyAscii) {
  ui::FilterNumericKey(KeyAscii, kKeyLimit, Box(Field::Txt_F1));
}

// When the length rule cuts the text, the cut is itself a change: the handler runs
// again nested, finds 4 characters and computes; this run then computes once more.
void FrmMain::Txt_ang_f_Change() {
  ui::LimitTextLength(Box(Field::Txt_ang_f), kChangeLimit);
  CalcAngleOfView();
}
void FrmMain::Txt_ang_L_Change() {
  ui::LimitTextLength(Box(Field::Txt_ang_L), kChangeLimit);
  CalcAngleOfView();
}
void FrmMain::Txt_L_f_Change() {
  ui::LimitTextLength(Box(Field::Txt_L_f), kChangeLimit);
  CalcDistance();
}
void FrmMain::Txt_L_W_Change() {
  ui::LimitTextLength(Box(Field::Txt_L_W), kChangeLimit);
  CalcDistance();
}
void FrmMain::Txt_L_H_Change() {
  ui::LimitTextLength(Box(Field::Txt_L_H), kChangeLimit);
  CalcDistance();
}
void FrmMain::TxtWandL_W_Change() {
  ui::LimitTextLength(Box(Field::TxtWandL_W), kChangeLimit);
  CalcFocalLength();
}
void FrmMain::TxtWandL_H_Change() {
  ui::LimitTextLength(Box(Field::TxtWandL_H), kChangeLimit);
  CalcFocalLength();
}
void FrmMain::TxtWandL_L_Change() {
  ui::LimitTextLength(Box(Field::TxtWandL_L), kChangeLimit);
  CalcFocalLength();
}
void FrmMain::Txtillumination_M0_Change() {
  ui::LimitTextLength(Box(Field::Txtillumination_M0), kChangeLimit);
  CalcIllumination();
}
void FrmMain::Txt_F0_Change() {
  ui::LimitTextLength(Box(Field::Txt_F0), kChangeLimit);
  CalcIllumination();
}
void FrmMain::Txt_F1_Change() {
  ui::LimitTextLength(Box(Field::Txt_F1), kChangeLimit);
  CalcIllumination();
}

void FrmMain::Txt_ang_f_GotFocus() { ui::SelectWholeText(Box(Field::Txt_ang_f)); }
void FrmMain::Txt_ang_L_GotFocus() { ui::SelectWholeText(Box(Field::Txt_ang_L)); }
void FrmMain::Txt_L_f_GotFocus() { ui::SelectWholeText(Box(Field::Txt_L_f)); }
void FrmMain::Txt_L_W_GotFocus() { ui::SelectWholeText(Box(Field::Txt_L_W)); }
void FrmMain::Txt_L_H_GotFocus() { ui::SelectWholeText(Box(Field::Txt_L_H)); }
void FrmMain::TxtWandL_W_GotFocus() { ui::SelectWholeText(Box(Field::TxtWandL_W)); }
void FrmMain::TxtWandL_H_GotFocus() { ui::SelectWholeText(Box(Field::TxtWandL_H)); }
void FrmMain::TxtWandL_L_GotFocus() { ui::SelectWholeText(Box(Field::TxtWandL_L)); }
void FrmMain::Txtillumination_M0_GotFocus() { ui::SelectWholeText(Box(Field::Txtillumination_M0)); }
void FrmMain::Txt_F0_GotFocus() { ui::SelectWholeText(Box(Field::Txt_F0)); }
void FrmMain::Txt_F1_GotFocus() { ui::SelectWholeText(Box(Field::Txt_F1)); }

}  // namespace app
