#include "ui/control_table.h"

#include <array>

#include "optics/sensor_format.h"

namespace ui {
namespace {

using K = ControlKind;
using F = FontRole;
using C = ColourRole;
using Text = std::string_view;

constexpr ControlDesign Label(Text name, Text container, Text caption, int left, int top, int width,
                              int height, FontRole font = F::Window) {
  return {name, K::Label, container, caption, left, top, width, height, font};
}

constexpr ControlDesign Value(Text name, Text container, int left, int top, int width) {
  return Label(name, container, "0", left, top, width, 255, F::Value);
}

constexpr ControlDesign Entry(Text name, Text container, int left, int top) {
  return {name, K::TextBox, container, "", left, top, 615, 270, F::Window, C::Entry};
}

// A result row's title: the caption of the format of code n (a 1/n type imager).
constexpr ControlDesign RowTitle(Text name, Text container, int code, int left, int top,
                                 int width) {
  const auto format = static_cast<std::size_t>(optics::FormatIndexOfCode(code));
  return Label(name, container, optics::kSensorFormats.at(format).caption, left, top, width, 255);
}

constexpr ControlDesign Line(Text name, Text container, int x1, int y1, int x2, int y2,
                             int width = 1) {
  return {name, K::Line, container, "", x1, y1, x2 - x1, y2 - y1, F::Window, C::Default, width};
}

constexpr ControlDesign Frame(Text name, Text container, Text caption, int left, int top, int width,
                              int height) {
  return {name, K::Frame, container, caption, left, top, width, height};
}

// The headings over the value columns of the result tables.
constexpr std::array<std::string_view, optics::kAngleValueCount> kAngleHeadings{
    "W[m]", "H[m]", "Diagonal[m]", "W[deg]", "H[deg]", "Diagonal[deg]"};
constexpr std::string_view kDistanceHeading = "L[m]";
constexpr std::string_view kFocalHeading = "f[m]";

constexpr std::string_view kAngle = "FraAngle";
constexpr std::string_view kDistance = "Frame1";
constexpr std::string_view kFocal = "Frame2";
constexpr std::string_view kLight = "Fraillumination";
constexpr std::string_view kPanel = "FraCameraSlect";
constexpr std::string_view kType = "FraCameraType";

constexpr auto kControls = std::to_array<ControlDesign>({
    Label("Label3", "", "Kestrova System Solutions", 9120, 120, 3015, 255, F::Company),
    {"Image1", K::Image, "", "", 240, 960, 5655, 3015},
    {"Picture1", K::PictureBox, "", "", 360, 480, 7815, 3855},

    // Minimum illumination
    Frame(std::string_view(kLight), "", "Minimum.illumination", 8400, 480, 3615, 2055),
    Entry("Txtillumination_M0", kLight, 720, 320),
    Label("Label1(2)", kLight, "Lux at F", 1440, 360, 975, 255),
    Entry("Txt_F0", kLight, 2280, 310),
    Label("Label2(2)", kLight, "=", 480, 1150, 255, 255, F::Equals),
    {"Txtillumination_M1", K::TextBox, kLight, "", 720, 1155, 615, 270, F::Window, C::Output},
    Label("Label1(3)", kLight, "Lux at F", 1440, 1200, 855, 255),
    Entry("Txt_F1", kLight, 2280, 1150),

    // Focal length from W or H and L
    Frame(kFocal, "", "WorH and L ->f", 8400, 2640, 3615, 1695),
    Line("Line12", kFocal, 1800, 480, 3360, 480, 2),
    Line("Line11", kFocal, 2640, 240, 2640, 1560, 2),
    Line("Line10", kFocal, 1800, 840, 3360, 840),
    Line("Line9", kFocal, 1800, 1200, 3360, 1200),
    Label("Label4(16)", kFocal, "W [m]", 240, 360, 615, 375),
    Entry("TxtWandL_W", kFocal, 960, 315),
    Label("Label4(17)", kFocal, "H [m]", 240, 720, 615, 375),
    Entry("TxtWandL_H", kFocal, 960, 675),
    Label("Label4(15)", kFocal, "L [m]", 240, 1080, 615, 375),
    Entry("TxtWandL_L", kFocal, 960, 1035),
    Label("Label4(13)", kFocal, "CCD", 2040, 240, 495, 225),
    Label("Label4(14)", kFocal, kFocalHeading, 2880, 240, 375, 230),
    RowTitle("lbl_f_4(0)", kFocal, 4, 1800, 550, 735),
    Value("lbl_f_4(1)", kFocal, 2760, 555, 495),
    RowTitle("lbl_f_3(0)", kFocal, 3, 1800, 910, 735),
    Value("lbl_f_3(1)", kFocal, 2760, 910, 495),
    RowTitle("lbl_f_2(0)", kFocal, 2, 1800, 1270, 735),
    Value("lbl_f_2(1)", kFocal, 2760, 1270, 495),

    // Angle of view
    Frame(kAngle, "", "Angle of View [f and L -> W and H Angle]", 360, 4440, 7815, 1695),
    Line("Line1(0)", kAngle, 1560, 480, 7680, 480, 2),
    Line("Line2", kAngle, 1560, 840, 7680, 840),
    Line("Line3", kAngle, 1560, 1200, 7680, 1200),
    Line("Line4(0)", kAngle, 2640, 240, 2640, 1560, 2),
    Line("Line4(1)", kAngle, 3240, 240, 3240, 1560),
    Line("Line4(3)", kAngle, 3840, 240, 3840, 1560),
    Line("Line4(4)", kAngle, 5040, 240, 5040, 1560),
    Line("Line4(5)", kAngle, 5700, 240, 5700, 1560),
    Line("Line4(6)", kAngle, 6400, 240, 6400, 1560),
    Label("Label4(0)", kAngle, "f [mm]", 240, 360, 615, 375),
    Entry("Txt_ang_f", kAngle, 840, 320),
    Label("Label4(1)", kAngle, "L [m]", 240, 720, 615, 375),
    Entry("Txt_ang_L", kAngle, 840, 680),
    Label("Label4(2)", kAngle, "CCD", 2040, 240, 495, 255),
    Label("Label4(9)", kAngle, kAngleHeadings[0], 2700, 240, 375, 255),
    Label("Label4(8)", kAngle, kAngleHeadings[1], 3300, 240, 375, 255),
    Label("Label4(7)", kAngle, kAngleHeadings[2], 3900, 240, 1095, 255),
    Label("Label4(6)", kAngle, kAngleHeadings[3], 5100, 240, 495, 255),
    Label("Label4(5)", kAngle, kAngleHeadings[4], 5800, 240, 495, 255),
    Label("Label4(4)", kAngle, kAngleHeadings[5], 6440, 240, 1215, 255),
    RowTitle("Lbl_angle_4(0)", kAngle, 4, 1800, 600, 735),
    Value("Lbl_angle_4(1)", kAngle, 2640, 600, 615),
    Value("Lbl_angle_4(2)", kAngle, 3360, 600, 495),
    Value("Lbl_angle_4(3)", kAngle, 4200, 600, 495),
    Value("Lbl_angle_4(4)", kAngle, 5160, 600, 495),
    Value("Lbl_angle_4(5)", kAngle, 5880, 600, 495),
    Value("Lbl_angle_4(6)", kAngle, 6840, 600, 495),
    RowTitle("Lbl_angle_3(0)", kAngle, 3, 1800, 960, 855),
    Value("Lbl_angle_3(1)", kAngle, 2640, 960, 615),
    Value("Lbl_angle_3(2)", kAngle, 3360, 960, 495),
    Value("Lbl_angle_3(3)", kAngle, 4200, 960, 495),
    Value("Lbl_angle_3(4)", kAngle, 5160, 960, 495),
    Value("Lbl_angle_3(5)", kAngle, 5880, 960, 495),
    Value("Lbl_angle_3(6)", kAngle, 6840, 960, 495),
    RowTitle("Lbl_angle_2(0)", kAngle, 2, 1800, 1320, 735),
    Value("Lbl_angle_2(1)", kAngle, 2640, 1320, 615),
    Value("Lbl_angle_2(2)", kAngle, 3360, 1320, 495),
    Value("Lbl_angle_2(3)", kAngle, 4200, 1320, 495),
    Value("Lbl_angle_2(4)", kAngle, 5160, 1320, 495),
    Value("Lbl_angle_2(5)", kAngle, 5880, 1320, 495),
    Value("Lbl_angle_2(6)", kAngle, 6840, 1320, 495),

    // Object distance from f and W or H
    Frame(kDistance, "", "f and WorH ->L", 8400, 4440, 3615, 1695),
    Line("Line5", kDistance, 1800, 480, 3360, 480, 2),
    Line("Line6", kDistance, 2640, 240, 2640, 1560, 2),
    Line("Line7", kDistance, 1800, 840, 3360, 840),
    Line("Line8", kDistance, 1800, 1200, 3360, 1200),
    Label("Label4(10)", kDistance, "f [mm]", 240, 360, 615, 375),
    Entry("Txt_L_f", kDistance, 960, 310),
    Label("Label4(3)", kDistance, "W [m]", 240, 720, 615, 375),
    Entry("Txt_L_W", kDistance, 960, 670),
    Label("Label4(18)", kDistance, "H [m]", 240, 1080, 615, 375),
    Entry("Txt_L_H", kDistance, 960, 1030),
    Label("Label4(12)", kDistance, "CCD", 2040, 240, 495, 255),
    Label("Label4(11)", kDistance, kDistanceHeading, 2880, 240, 375, 255),
    RowTitle("lbl_L_4(0)", kDistance, 4, 1800, 550, 735),
    Value("lbl_L_4(1)", kDistance, 2760, 550, 495),
    RowTitle("Lbl_L3(0)", kDistance, 3, 1800, 910, 735),
    Value("Lbl_L3(1)", kDistance, 2760, 910, 495),
    RowTitle("lbl_L_2(0)", kDistance, 2, 1800, 1270, 735),
    Value("lbl_L_2(1)", kDistance, 2760, 1270, 495),

    // Camera and lens selection; the check box sits on the panel's top edge but is
    // not inside it, so disabling the panel leaves it usable.
    Frame(kPanel, "", "", 360, 6240, 11655, 2655),
    Frame(kType, kPanel, "Camera Type", 240, 360, 4575, 2055),
    {"OptCameraType(0)", K::OptionButton, kType, "Fixed Camera(BOX)", 360, 360, 1935, 375},
    {"OptCameraType(1)", K::OptionButton, kType, "Fixed Camera(Dome)", 360, 840, 2055, 375},
    {"OptCameraType(2)", K::OptionButton, kType, "PTZ Camera", 360, 1320, 1935, 375},
    {"LstCamera", K::ListBox, kType, "", 2400, 240, 1935, 1680},
    Frame("FraLens", kPanel, "LensType", 5040, 360, 2295, 2055),
    {"LstLens", K::ListBox, "FraLens", "", 120, 240, 1935, 1680},
    // Design-time captions, which start-up replaces by the prefixes (control_table.h).
    Label("Lblccd", kPanel, "/CCD\u3000\u3000\u3000\u3000 :", 7560, 360, 1815, 255),
    Label("Lblfmin", kPanel, "/f_min [mm]\u3000:", 7560, 720, 1815, 255),
    Label("Lblfmax", kPanel, "/f_max [mm]\u3000:", 7560, 1080, 2295, 255),
    Label("LblPic_a", kPanel, "/Pixels (a)\u3000:", 7560, 1440, 1815, 255),
    Label("LblPic_b", kPanel, "/Pixels (b)\u3000:", 7560, 1800, 1815, 255),
    Label("LblPic_ab", kPanel, "/Pixels (a*b):", 7560, 2160, 3375, 255),
    {"ChkCameraSelect", K::CheckBox, "", "Lens Select", 720, 6240, 1455, 255},
});

constexpr auto kTabOrder = std::to_array<std::string_view>({
    "Txtillumination_M0",
    "Txt_F0",
    "Txt_F1",
    "TxtWandL_W",
    "TxtWandL_H",
    "TxtWandL_L",
    "Txt_ang_f",
    "Txt_ang_L",
    "Txt_L_f",
    "Txt_L_W",
    "Txt_L_H",
    "ChkCameraSelect",
    "OptCameraType(0)",
    "OptCameraType(1)",
    "OptCameraType(2)",
    "LstCamera",
    "LstLens",
    "Txtillumination_M1",
});

}  // namespace

std::span<const ControlDesign> ControlTable() { return kControls; }

std::span<const std::string_view> TabOrder() { return kTabOrder; }

std::string_view ValueColumnHeading(optics::ResultTable table, int element) {
  if (table == optics::ResultTable::AngleOfView) {
    return kAngleHeadings.at(static_cast<std::size_t>(element - 1));
  }
  return table == optics::ResultTable::Distance ? kDistanceHeading : kFocalHeading;
}

}  // namespace ui
