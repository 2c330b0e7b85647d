#pragma once

#include <span>
#include <string_view>

#include "optics/calculator_form.h"

namespace ui {

enum class ControlKind {
  Label,
  TextBox,
  Frame,
  CheckBox,
  OptionButton,
  ListBox,
  PictureBox,
  Image,
  Line
};

enum class FontRole {
  Window,   // the window's own Gothic face, 9 pt
  Value,    // computed values: the window face in bold
  Company,  // the company label's UI Gothic, 9.75 pt bold
  Equals,   // the large "=" of the illumination converter, 15.75 pt
};

enum class ColourRole { Default, Entry, Output };

// One control as designed, in twips (15 to a pixel at 96 dpi) from its container's
// top-left ("" is the client area). A line runs from (left, top) to (left + width, top + height).
struct ControlDesign {
  std::string_view name;  // array members carry their index: "Lbl_angle_4(1)"
  ControlKind kind;
  std::string_view container;
  std::string_view caption;
  int left;
  int top;
  int width;
  int height;
  FontRole font = FontRole::Window;
  ColourRole colour = ColourRole::Default;
  int lineWidth = 1;  // pixels, lines only
};

// Every control, containers before their contents, in creation order.
std::span<const ControlDesign> ControlTable();

// The keyboard focus order of the controls that take the focus.
std::span<const std::string_view> TabOrder();

// The heading over a result table's value column (element 1 to optics::ValueCount).
std::string_view ValueColumnHeading(optics::ResultTable table, int element);

inline constexpr std::string_view kWindowCaption = "Focimetra";

// The camera-data labels' prefixes, written over their design-time captions at
// start-up and with its value when a camera or lens is chosen.
inline constexpr std::string_view kCcdPrefix = "/CCD         :";
inline constexpr std::string_view kFmaxPrefix = "/f_max [mm]  :";
inline constexpr std::string_view kFminPrefix = "/f_min [mm]  :";
inline constexpr std::string_view kPixelsAPrefix = "/Pixels a    :";
inline constexpr std::string_view kPixelsBPrefix = "/Pixels b    :";
inline constexpr std::string_view kPixelsAbPrefix = "/Pixels a*b  :";

inline constexpr int kClientWidthTwips = 12150;
inline constexpr int kClientHeightTwips = 9075;
inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel (a twip count never falls on a half).
constexpr int ToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

}  // namespace ui
