#pragma once

// How a control looks and behaves when the window is created. The window's layout is a table of
// these (window/layout.cpp); the toolkits build their controls from it.

#include <optional>
#include <span>
#include <string_view>

#include "toolkit/toolkit.h"

namespace toolkit {

enum class ControlKind { Label, TransLabel, EditBox, Button, CheckBox, ComboBox, GroupBox, Spin };

enum class FontFace {
  Gui,      // the platform's default GUI font
  Song,     // 宋体: "SimSun", else "AR PL UMing CN" (digits, "-" and space of one width)
  Default,  // no face name: the platform's default face for Chinese text
};

struct FontDescription {
  FontFace face = FontFace::Gui;
  int pixelHeight = 0;  // em height in pixels; 0 with FontFace::Gui
  bool bold = false;
};

enum class Background {
  Platform,    // whatever the platform draws for this kind
  ButtonFace,  // the system's button-face colour
  Colour,      // ControlDescription::backgroundColour
  Gradient,    // the three-stop vertical gradient of the caption bar
  None,        // only the glyphs are drawn; what lies behind stays visible
};

struct ControlDescription {
  Control id;
  ControlKind kind;
  std::string_view name;          // the control's name, UTF-8 (object name, diagnostics)
  std::optional<Control> parent;  // empty: the window's client area
  int left = 0, top = 0, width = 0, height = 0;  // relative to the parent's client area
  std::string_view text;                         // GBK, at creation
  FontDescription font;
  std::optional<Rgb> textColour;  // empty: the platform's
  Background background = Background::Platform;
  Rgb backgroundColour;  // with Background::Colour

  // Class settings.
  Alignment alignment = Alignment::Left;  // labels and edit boxes
  bool multiLine = false;  // edit boxes: several lines wrapped at the width; labels: word wrap
  bool border = false;     // edit boxes: a sunken border
  bool password = false;   // edit boxes: password mode with the mask "*"
  bool checked = false;    // check boxes
};

/// The window's frame and default title.
struct WindowDescription {
  std::string_view title;  // GBK
  int clientWidth = 0, clientHeight = 0;
};

}  // namespace toolkit
