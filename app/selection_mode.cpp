// Start-up and the "Lens Select" mode; switching it off drops the selection and
// recomputes every row.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/frm_main.h"
#include "optics/angle_of_view.h"
#include "optics/distance_and_focal_length.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"
#include "ui/result_rows.h"

namespace app {
namespace {

// An exclusive option button is unchosen with its exclusivity lifted; no click.
void Unchoose(QRadioButton& button) {
  button.setAutoExclusive(false);
  button.setChecked(false);
  button.setAutoExclusive(true);
}

}  // namespace

void FrmMain::Form_Load() {
  DisableSelection();
  // The camera and lens tables are constant data, in place before the window is.
  PaintDiagram();
}

void FrmMain::ChkCameraSelect_Click() {
  if (c_.ChkCameraSelect->isChecked()) {
    EnableSelection();
    return;
  }
  DisableSelection();
  ui::EnableAllFormatRows(c_);
  vars_.SelCcd.reset();
  vars_.SelRange.reset();
  optics::CalcFocalLength(*this);
  optics::CalcDistance(*this);
  optics::CalcAngleOfView(*this);
}

void FrmMain::EnableSelection() {
  SetSelectionPanelEnabled(true);
  c_.LstLens->setEnabled(true);
  c_.LstCamera->setEnabled(true);
  ClearCameraInfo();
}

void FrmMain::DisableSelection() {
  SetSelectionPanelEnabled(false);
  ClearCameraInfo();
  for (QRadioButton* option : c_.OptCameraType) Unchoose(*option);
  c_.LstCamera->Clear();
  c_.LstLens->Clear();
}

// The lists are not switched off: their disabled frames disable them.
void FrmMain::SetSelectionPanelEnabled(bool enabled) {
  c_.FraCameraType->setEnabled(enabled);
  c_.FraCameraSlect->setEnabled(enabled);
  c_.FraLens->setEnabled(enabled);
  for (QRadioButton* option : c_.OptCameraType) option->setEnabled(enabled);
  for (const CameraDataLabel& dataLabel : kCameraDataLabels)
    (c_.*dataLabel.label)->setEnabled(enabled);
}

void FrmMain::ClearCameraInfo() {
  chosenCamera_ = nullptr;
  for (const CameraDataLabel& dataLabel : kCameraDataLabels)
    (c_.*dataLabel.label)->setText(ui::ToQString(dataLabel.prefix));
}

}  // namespace app
