#include "app/FrameCommands.h"

#include <QAction>
#include <QIcon>
#include <QStringList>
#include <QWidget>

namespace {

constexpr QStyle::StandardPixmap kNoIcon = QStyle::SP_CustomBase;

}  // namespace

// clang-format off
constexpr std::array<FrameCommandDefinition, kFrameCommandCount> kFrameCommands{{
  {FrameCommand::New, "fileNew", "&New", "Ctrl+N", "Create a new document", "New", true, "document-new", QStyle::SP_FileIcon},
  {FrameCommand::Open, "fileOpen", "&Open...", "Ctrl+O", "Open an existing document", "Open", true, "document-open", QStyle::SP_DialogOpenButton},
  {FrameCommand::SaveAs, "fileSaveAs", "Save &As...", "", "Save the active document with a new name", "Save As", false, "document-save-as", kNoIcon},
  {FrameCommand::Save, "fileSave", "&Save", "Ctrl+S", "Save the active document", "Save", false, "document-save", QStyle::SP_DialogSaveButton},
  {FrameCommand::Exit, "fileExit", "E&xit", "", "Quit the application", "Exit", true, "application-exit", kNoIcon},
  {FrameCommand::Undo, "editUndo", "&Undo", "Ctrl+Z;Alt+Backspace", "Undo the last action", "Undo", false, "edit-undo", kNoIcon},
  {FrameCommand::Cut, "editCut", "Cu&t", "Ctrl+X;Shift+Del", "Cut the selection and put it on the Clipboard", "Cut", false, "edit-cut", kNoIcon},
  {FrameCommand::Copy, "editCopy", "&Copy", "Ctrl+C;Ctrl+Ins", "Copy the selection and put it on the Clipboard", "Copy", true, "edit-copy", kNoIcon},
  {FrameCommand::Paste, "editPaste", "&Paste", "Ctrl+V;Shift+Ins", "Insert Clipboard contents", "Paste", false, "edit-paste", kNoIcon},
  {FrameCommand::Print, "filePrint", "&Print...", "", "Print the active document", "Print", false, "document-print", kNoIcon},
  {FrameCommand::ToggleToolbar, "viewToolbar", "&Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar", true, "", kNoIcon},
  {FrameCommand::ToggleStatusBar, "viewStatusBar", "&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar", true, "", kNoIcon},
  {FrameCommand::About, "appAbout", "&About QLX Reader...", "", "Display program information and version number", "About", true, "help-about", QStyle::SP_MessageBoxQuestion},
  {FrameCommand::NextPane, "nextPane", "Next Pane", "F6", "Switch to the next window pane", "Next Pane", true, "", kNoIcon},
  {FrameCommand::PreviousPane, "previousPane", "Previous Pane", "Shift+F6", "Switch back to the previous window pane", "Previous Pane", true, "", kNoIcon},
}};
// clang-format on

namespace {

constexpr bool RowsFollowTheEnumeration() {
  for (size_t i = 0; i < kFrameCommandCount; ++i)
    if (static_cast<size_t>(kFrameCommands[i].command) != i) return false;
  return true;
}
static_assert(static_cast<size_t>(FrameCommand::PreviousPane) + 1 == kFrameCommandCount);

}  // namespace

std::array<QAction*, kFrameCommandCount> MakeFrameCommands(QWidget& window) {
  static_assert(RowsFollowTheEnumeration());
  std::array<QAction*, kFrameCommandCount> actions{};
  for (const FrameCommandDefinition& row : kFrameCommands) {
    auto* action = new QAction(QString::fromLatin1(row.text), &window);
    action->setObjectName(QString::fromLatin1(row.objectName));
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(row.shortcuts).split(u';', Qt::SkipEmptyParts))
      keys.append(QKeySequence(key));
    action->setShortcuts(keys);
    action->setStatusTip(QString::fromLatin1(row.statusTip));
    action->setToolTip(QString::fromLatin1(row.toolTip));
    action->setEnabled(row.handled);
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(row.iconTheme));
    if (icon.isNull() && row.iconFallback != kNoIcon) icon = window.style()->standardIcon(row.iconFallback);
    action->setIcon(icon);
    // Accelerators work while the focus is anywhere in the window.
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    actions[static_cast<size_t>(row.command)] = action;
  }
  return actions;
}
