// Choosing a camera type, a camera and a lens. Each write of a focal-length field
// runs its calculator before the next step: the order of the steps is behaviour.
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>

#include "app/frm_main.h"
#include "catalogue/focal_range.h"
#include "catalogue/lookup.h"
#include "catalogue/records.h"
#include "ui/entry_field.h"
#include "ui/list_box.h"
#include "ui/qt_text.h"
#include "ui/result_rows.h"

namespace app {
namespace {

void ShowDatum(QLabel& label, std::string_view prefix, std::string_view value) {
  label.setText(ui::ToQString(prefix) + ui::ToQString(value));
}

}  // namespace

using optics::Field;
using ui::ToQString;

// The camera's sensor format and pixel counts, as stored.
void FrmMain::ShowCameraData(const catalogue::CameraRecord& camera) {
  chosenCamera_ = &camera;
  ShowDatum(*c_.Lblccd, ui::kCcdPrefix, catalogue::CcdCaptionValue(camera.Ccd));
  ShowDatum(*c_.LblPic_a, ui::kPixelsAPrefix, std::to_string(camera.Pic_a));
  ShowDatum(*c_.LblPic_b, ui::kPixelsBPrefix, std::to_string(camera.Pic_b));
  ShowDatum(*c_.LblPic_ab, ui::kPixelsAbPrefix, catalogue::Trimmed(camera.Pic_ab));
}

// Focal lengths stay text: "114.0" is shown as "114.0".
void FrmMain::ShowFocalRange(std::string_view fmin, std::string_view fmax) {
  ShowDatum(*c_.Lblfmax, ui::kFmaxPrefix, catalogue::Trimmed(fmax));
  ShowDatum(*c_.Lblfmin, ui::kFminPrefix, catalogue::Trimmed(fmin));
}

// The chosen format and range; the shortest focal length goes into both f fields.
void FrmMain::SetSelection(std::int16_t ccd, std::string_view fmin, std::string_view fmax) {
  const int format = optics::FormatIndexOfCode(ccd);
  vars_.SelCcd = format >= 0 ? std::optional<int>(format) : std::nullopt;
  vars_.SelRange = catalogue::MakeFocalRange(fmin, fmax);
  SetText(Field::Txt_ang_f, std::string(fmin));
  SetText(Field::Txt_L_f, std::string(fmin));
}

void FrmMain::OptCameraType_Click(int Index) {
  c_.LstCamera->Clear();
  c_.LstLens->Clear();
  ClearCameraInfo();
  ui::EnableAllFormatRows(c_);
  const std::string_view type = catalogue::CameraTypeLiteral(Index);
  if (type.empty()) return;
  for (std::string_view model : catalogue::CameraModelsOfType(type)) {
    c_.LstCamera->AddItem(ToQString(model));
  }
}

void FrmMain::LstCamera_Click() {
  c_.LstLens->Clear();
  ClearCameraInfo();
  const std::string model = c_.LstCamera->CurrentText().toStdString();
  // The lookup keeps to the chosen type: "CAM-101" is a box camera and a dome
  // camera with different ranges.
  std::string_view type;
  for (int index = 0; index < static_cast<int>(c_.OptCameraType.size()); ++index) {
    if (c_.OptCameraType[static_cast<std::size_t>(index)]->isChecked()) {
      type = catalogue::CameraTypeLiteral(index);
    }
  }
  const catalogue::CameraRecord* camera = catalogue::FindCamera(model, type);
  if (camera == nullptr) return;
  SetText(Field::Txt_ang_f, "");
  SetText(Field::Txt_L_f, "");

  if (!catalogue::TakesSeparateLens(*camera)) {
    ui::EnableAllFormatRows(c_);
    ui::DisableOtherFormatRows(c_, camera->Ccd);
    ShowCameraData(*camera);
    ShowFocalRange(camera->fmin, camera->fmax);
    SetSelection(camera->Ccd, camera->fmin, camera->fmax);
    ui::ResetOtherFormatRows(*this, camera->Ccd);
    return;
  }

  // A box camera without a lens: its format from now on, and no range until a lens
  // is chosen, so that nothing is computed or checked against the previous camera.
  SetSelection(camera->Ccd, "", "");
  for (std::string_view lens : catalogue::LensModelsForCcd(camera->Ccd)) {
    c_.LstLens->AddItem(ToQString(lens));
  }
  ui::EnableAllFormatRows(c_);
  ui::DisableOtherFormatRows(c_, camera->Ccd);
  ui::ResetOtherFormatRows(*this, camera->Ccd);
  ShowCameraData(*camera);
  if (!catalogue::TakesSingleLens(camera->Model)) return;

  const catalogue::LensRecord& lens = catalogue::LensTable()[catalogue::kSingleLensRow];
  c_.LstLens->Clear();
  c_.LstLens->AddItem(ToQString(lens.Model));
  c_.LstLens->MakeCurrent(0);
  SetSelection(camera->Ccd, lens.fmin, lens.fmax);
  ShowFocalRange(lens.fmin, lens.fmax);
}

void FrmMain::LstLens_Click() {
  const catalogue::LensRecord* lens = catalogue::FindLens(c_.LstLens->CurrentText().toStdString());
  if (lens == nullptr) return;
  ShowFocalRange(lens->fmin, lens->fmax);
  SetSelection(lens->Ccd, lens->fmin, lens->fmax);
  ui::ResetOtherFormatRows(*this, lens->Ccd);
}

void FrmMain::CheckFocalRange(ui::KeyCode keyCode, const ui::EntryField& box) {
  ShowRangeWarning(
      catalogue::CheckFocalRangeCore(box.text().toStdString(), keyCode, vars_.SelRange));
}

void FrmMain::ShowRangeWarning(catalogue::RangeWarning warning) {
  if (warning == catalogue::RangeWarning::None) return;
  QMessageBox message(QMessageBox::NoIcon, windowTitle(),
                      ToQString(catalogue::WarningText(warning)), QMessageBox::Ok, this);
  message.exec();
}

}  // namespace app
