#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/focal_range.h"
#include "catalogue/records.h"
#include "optics/calculator_form.h"
#include "ui/form_controls.h"
#include "ui/key_code.h"

namespace ui {
class EntryField;
}

namespace app {

// The window's own variables. The selection texts are empty while no camera or
// lens is chosen; LastSizeBox names the width or height field typed into last.
struct WindowVariables {
  std::string SelCcd;
  std::string SelFmin;
  std::string SelFmax;
  std::string LastSizeBox;
};

// The main window: its controls, its variables and its event handlers, named
// after the control and the event they handle.
class FrmMain : public QWidget, public optics::CalculatorForm {
  Q_OBJECT

 public:
  FrmMain();

  const ui::FormControls& Controls() const { return c_; }
  const WindowVariables& Variables() const { return vars_; }
  // The camera whose data the window shows; null while the data labels are bare.
  const catalogue::CameraRecord* ChosenCamera() const { return chosenCamera_; }

  // What the calculators see of the window.
  std::string Text(optics::Field field) const override;
  void SetText(optics::Field field, const std::string& text) override;
  void SetPartnerText(optics::Field field, const std::string& text) override;
  void SetCaption(optics::ResultCell cell, const std::string& caption) override;
  std::string SelCcd() const override { return vars_.SelCcd; }
  std::string LastSizeBox() const override { return vars_.LastSizeBox; }

 private:
  void ConnectHandlers();
  void SetIcon();

  // Start-up and the selection mode.
  void Form_Load();
  void PaintDiagram();
  void ChkCameraSelect_Click();
  void EnableSelection();
  void DisableSelection();
  void SetSelectionPanelEnabled(bool enabled);
  void ClearCameraInfo();

  // The catalogue.
  void OptCameraType_Click(int Index);
  void LstCamera_Click();
  void LstLens_Click();
  void CheckFocalRange(ui::KeyCode keyCode, const ui::EntryField& box);
  void CheckEditedFocalLength(const ui::EntryField& box);
  void ShowRangeWarning(catalogue::RangeWarning warning);
  void ShowCameraData(const catalogue::CameraRecord& camera);
  void ShowFocalRange(std::string_view fmin, std::string_view fmax);
  void SetSelection(std::int16_t ccd, std::string_view fmin, std::string_view fmax);

  // The calculators, on this window's fields and labels.
  void CalcAngleOfView();
  void CalcDistance();
  void CalcFocalLength();
  void CalcIllumination();

  // The entry fields.
  void Txt_ang_f_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_ang_L_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_L_f_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_L_W_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_L_H_KeyPress(ui::KeyCode& KeyAscii);
  void TxtWandL_W_KeyPress(ui::KeyCode& KeyAscii);
  void TxtWandL_H_KeyPress(ui::KeyCode& KeyAscii);
  void TxtWandL_L_KeyPress(ui::KeyCode& KeyAscii);
  void Txtillumination_M0_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_F0_KeyPress(ui::KeyCode& KeyAscii);
  void Txt_F1_KeyPress(ui::KeyCode& KeyAscii);

  void Txt_ang_f_Change();
  void Txt_ang_L_Change();
  void Txt_L_f_Change();
  void Txt_L_W_Change();
  void Txt_L_H_Change();
  void TxtWandL_W_Change();
  void TxtWandL_H_Change();
  void TxtWandL_L_Change();
  void Txtillumination_M0_Change();
  void Txt_F0_Change();
  void Txt_F1_Change();

  // A change the user made without typing: a paste, a cut, Delete, undo.
  void Txt_ang_f_UserEdit();
  void Txt_L_f_UserEdit();
  void Txt_L_W_UserEdit();
  void Txt_L_H_UserEdit();
  void TxtWandL_W_UserEdit();
  void TxtWandL_H_UserEdit();

  void Txt_ang_f_GotFocus();
  void Txt_ang_L_GotFocus();
  void Txt_L_f_GotFocus();
  void Txt_L_W_GotFocus();
  void Txt_L_H_GotFocus();
  void TxtWandL_W_GotFocus();
  void TxtWandL_H_GotFocus();
  void TxtWandL_L_GotFocus();
  void Txtillumination_M0_GotFocus();
  void Txt_F0_GotFocus();
  void Txt_F1_GotFocus();

  ui::EntryField& Box(optics::Field field) const { return c_.Field(field); }

  ui::FormControls c_;
  WindowVariables vars_;
  const catalogue::CameraRecord* chosenCamera_ = nullptr;
};

}  // namespace app
