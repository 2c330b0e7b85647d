#include "app/frm_main.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QRadioButton>

#include "app/pixel_density_notes.h"
#include "app/window_menu.h"
#include "ui/control_table.h"
#include "ui/diagram.h"
#include "ui/entry_field.h"
#include "ui/fitted_label.h"
#include "ui/form_builder.h"
#include "ui/list_box.h"
#include "ui/picture_box.h"
#include "ui/qt_text.h"

namespace app {
FrmMain::FrmMain()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("FrmMain"));
  setWindowTitle(ui::ToQString(ui::kWindowCaption));
  setFixedSize(ui::ToPixels(ui::kClientWidthTwips), ui::ToPixels(ui::kClientHeightTwips));
  c_ = ui::BuildForm(*this);
  SetIcon();
  ConnectHandlers();
  Form_Load();
  new PixelDensityNotes(*this);  // owned by the window; follows the handlers above
  new WindowMenu(*this);
  Box(optics::Field::Txtillumination_M0).setFocus(Qt::OtherFocusReason);
}

// Every control event the program handles, to its named handler.
void FrmMain::ConnectHandlers() {
  for (const optics::EntryFieldInfo& entry : optics::kEntryFields) {
    if (entry.role == optics::FieldRole::Output) continue;
    const optics::Field field = entry.field;
    ui::EntryField* box = &Box(field);
    box->SetKeyHandler([this, field](ui::KeyCode code) { return Txt_KeyPress(field, code); });
    connect(box, &ui::EntryField::Change, this, [this, field] { Txt_Change(field); });
    connect(box, &ui::EntryField::GotFocus, this, [this, field] { Txt_GotFocus(field); });
    connect(box, &ui::EntryField::UserEdit, this, [this, field] { Txt_UserEdit(field); });
  }

  connect(c_.ChkCameraSelect, &QCheckBox::clicked, this, &FrmMain::ChkCameraSelect_Click);
  for (int index = 0; index < static_cast<int>(c_.OptCameraType.size()); ++index) {
    // Only a button becoming chosen is a click; unchoosing from code raises nothing.
    connect(c_.OptCameraType[static_cast<std::size_t>(index)], &QRadioButton::toggled, this,
            [this, index](bool chosen) {
              if (chosen) OptCameraType_Click(index);
            });
  }
  connect(c_.LstCamera, &ui::ListBox::Click, this, &FrmMain::LstCamera_Click);
  connect(c_.LstLens, &ui::ListBox::Click, this, &FrmMain::LstLens_Click);
}

// The drawn sizes only: the scalable icon is for the desktop's icon theme.
void FrmMain::SetIcon() {
  QIcon icon;
  for (int size : {32, 64, 128})
    icon.addFile(QStringLiteral(":/focimetra/focimetra-%1.png").arg(size));
  setWindowIcon(icon);
}

// At 0.65 of its natural size, from the box's top-left corner.
void FrmMain::PaintDiagram() {
  ui::PictureBox& picture = *c_.Picture1;
  picture.Clear();
  const QSizeF size = QSizeF(ui::DiagramNaturalSize()) * 0.65;
  picture.PaintPicture(ui::RenderDiagram(size, picture.devicePixelRatioF()), QPointF(0, 0));
}

std::string FrmMain::Text(optics::Field field) const { return Box(field).text().toStdString(); }

void FrmMain::SetText(optics::Field field, const std::string& text) {
  Box(field).WriteText(QString::fromStdString(text));
}

void FrmMain::SetPartnerText(optics::Field field, const std::string& text) {
  Box(field).WriteTextExemptFromLengthRule(QString::fromStdString(text));
}

void FrmMain::SetCaption(optics::ResultCell cell, const std::string& caption, double value) {
  shownValues_[cell] = value;
  c_.Result(cell).setText(QString::fromStdString(caption));
}

}  // namespace app
