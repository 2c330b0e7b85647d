#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/focal_range.h"
#include "catalogue/records.h"
#include "optics/calculator_form.h"
#include "optics/entry_fields.h"
#include "ui/control_table.h"
#include "ui/entry_keys.h"
#include "ui/form_controls.h"

namespace ui {
class EntryField;
}

namespace app {

// The window's own variables, each empty until it is set.
struct WindowVariables {
  std::optional<int> SelCcd;                      // the chosen sensor format's index
  std::optional<catalogue::FocalRange> SelRange;  // SelFmin and SelFmax
  std::optional<optics::Field> LastSizeBox;       // the width or height typed into last
};

struct CameraDataLabel {
  QLabel* ui::FormControls::*label;
  std::string_view prefix;
};

// The camera-data labels of the selection panel, top to bottom.
inline constexpr std::array<CameraDataLabel, 6> kCameraDataLabels{{
    {&ui::FormControls::Lblccd, ui::kCcdPrefix},
    {&ui::FormControls::Lblfmin, ui::kFminPrefix},
    {&ui::FormControls::Lblfmax, ui::kFmaxPrefix},
    {&ui::FormControls::LblPic_a, ui::kPixelsAPrefix},
    {&ui::FormControls::LblPic_b, ui::kPixelsBPrefix},
    {&ui::FormControls::LblPic_ab, ui::kPixelsAbPrefix},
}};

// The main window: its controls, its variables and its event handlers, named
// after the control and the event they handle.
class FrmMain : public QWidget, public optics::CalculatorForm {
  Q_OBJECT

 public:
  FrmMain();

  const ui::FormControls& Controls() const { return c_; }
  const WindowVariables& Variables() const { return vars_; }
  // Null while the camera-data labels are bare.
  const catalogue::CameraRecord* ChosenCamera() const { return chosenCamera_; }

  std::string Text(optics::Field field) const override;
  void SetText(optics::Field field, const std::string& text) override;
  void SetPartnerText(optics::Field field, const std::string& text) override;
  void SetCaption(optics::ResultCell cell, const std::string& caption, double value) override;
  // The value a result label shows, as its calculator computed it.
  double ShownValue(optics::ResultCell cell) const { return shownValues_[cell]; }
  std::optional<int> SelCcd() const override { return vars_.SelCcd; }
  std::optional<optics::Field> LastSizeBox() const override { return vars_.LastSizeBox; }

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

  void RunCalculator(optics::Calculator calculator);

  // The entry fields, one control array: optics::kEntryFields says what each does.
  ui::KeyCode Txt_KeyPress(optics::Field Index, ui::KeyCode KeyAscii);
  void Txt_Change(optics::Field Index);
  void Txt_GotFocus(optics::Field Index);
  void Txt_UserEdit(optics::Field Index);

  ui::EntryField& Box(optics::Field field) const { return c_.Field(field); }

  ui::FormControls c_;
  WindowVariables vars_;
  optics::PerResultCell<double> shownValues_;  // every result label starts at "0"
  const catalogue::CameraRecord* chosenCamera_ = nullptr;
};

}  // namespace app
