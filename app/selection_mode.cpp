// Start-up and the "Lens Select" mode: the catalogue panel is switched on and off,
// and switching it off drops the selection and recomputes every row.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "app/camera_data_captions.h"
#include "app/frm_main.h"
#include "ui/list_box.h"
#include "ui/result_rows.h"

namespace app {
namespace {

// An exclusive option button can only be unchosen with its exclusivity lifted;
// this raises no click.
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
  vars_.SelCcd.clear();
  vars_.SelFmax.clear();
  vars_.SelFmin.clear();
  CalcFocalLength();
  CalcDistance();
  CalcAngleOfView();
}

void FrmMain::EnableSelection() {
  c_.FraCameraType->setEnabled(true);
  c_.FraCameraSlect->setEnabled(true);
  c_.FraLens->setEnabled(true);
  c_.LstLens->setEnabled(true);
  c_.LstCamera->setEnabled(true);
  for (QRadioButton* option : c_.OptCameraType) option->setEnabled(true);
  for (QLabel* label :
       {c_.Lblccd, c_.Lblfmax, c_.Lblfmin, c_.LblPic_a, c_.LblPic_b, c_.LblPic_ab}) {
    label->setEnabled(true);
  }
  ClearCameraInfo();
}

void FrmMain::DisableSelection() {
  c_.FraCameraSlect->setEnabled(false);
  c_.FraLens->setEnabled(false);
  c_.FraCameraType->setEnabled(false);
  for (QRadioButton* option : c_.OptCameraType) option->setEnabled(false);
  for (QLabel* label :
       {c_.Lblccd, c_.Lblfmax, c_.Lblfmin, c_.LblPic_a, c_.LblPic_ab, c_.LblPic_b}) {
    label->setEnabled(false);
  }
  ClearCameraInfo();
  for (QRadioButton* option : c_.OptCameraType) Unchoose(*option);
  c_.LstCamera->Clear();
  c_.LstLens->Clear();
}

void FrmMain::ClearCameraInfo() {
  c_.Lblccd->setText(kCcdPrefix);
  c_.Lblfmax->setText(kFmaxPrefix);
  c_.Lblfmin->setText(kFminPrefix);
  c_.LblPic_a->setText(kPixelsAPrefix);
  c_.LblPic_b->setText(kPixelsBPrefix);
  c_.LblPic_ab->setText(kPixelsAbPrefix);
}

}  // namespace app
