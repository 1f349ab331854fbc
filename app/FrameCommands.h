// The commands of the main window's menus, accelerators and tool bar, as
// data. Commands the program has no handler for are made disabled, so that
// their menu items and buttons show but cannot be chosen.
#pragma once

#include <QStyle>
#include <array>
#include <cstddef>

class QAction;
class QWidget;

enum class FrameCommand : size_t {
  New,
  Open,
  SaveAs,
  Save,
  Exit,
  Undo,
  Cut,
  Copy,
  Paste,
  Print,
  ToggleToolbar,
  ToggleStatusBar,
  About,
  NextPane,
  PreviousPane,
};
constexpr size_t kFrameCommandCount = 15;

struct FrameCommandDefinition {
  FrameCommand command;
  const char* objectName;
  const char* text;
  const char* shortcuts;  // ";" between alternatives
  const char* statusTip;  // fly-by help on the status bar
  const char* toolTip;
  bool handled;  // false: shown disabled
  const char* iconTheme;
  QStyle::StandardPixmap iconFallback;  // SP_CustomBase: none
};

extern const std::array<FrameCommandDefinition, kFrameCommandCount> kFrameCommands;

// One action per command, indexed by FrameCommand, children of the window.
std::array<QAction*, kFrameCommandCount> MakeFrameCommands(QWidget& window);
