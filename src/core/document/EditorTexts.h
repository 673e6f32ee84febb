#pragma once

#include <string>
#include <string_view>

namespace corlinth::editor_texts {

// The text editors' own captions and messages, in one place.
inline constexpr std::string_view fileMenu = "File";
inline constexpr std::string_view newItem = "New";
inline constexpr std::string_view openItem = "Open...";
inline constexpr std::string_view saveItem = "Save";
inline constexpr std::string_view saveAsItem = "Save As...";
inline constexpr std::string_view exportItem = "Generate Standard MIDI File...";
inline constexpr std::string_view importItem = "Import Version 1 Corlinth File...";
inline constexpr std::string_view exitItem = "Exit";
inline constexpr std::string_view editMenu = "Edit";
inline constexpr std::string_view undoItem = "Undo";
inline constexpr std::string_view cutItem = "Cut";
inline constexpr std::string_view copyItem = "Copy";
inline constexpr std::string_view pasteItem = "Paste";
inline constexpr std::string_view deleteItem = "Delete                ";
inline constexpr std::string_view selectAllItem = "Select All";
inline constexpr std::string_view settingMenu = "Setting";
inline constexpr std::string_view programMenu = "Program";
inline constexpr std::string_view helpMenu = "Help";
inline constexpr std::string_view aboutItem = "About Quarnell Corlinth...";
inline constexpr std::string_view editSettingItem = "Edit Setting...";
inline constexpr std::string_view firmwareMenu = "Firmware Update";
inline constexpr std::string_view firmwareLoadItem = "Load File...";

inline constexpr std::string_view openTitle = "Open";
inline constexpr std::string_view saveAsTitle = "Save As";
inline constexpr std::string_view openFilter =
    "Rich Text Format (*.rtf)|*.rtf|Text Documents (*.txt)|*.txt|All Files (*.*)|*.*";
inline constexpr std::string_view saveFilter = "Rich Text Format (*.rtf)|*.rtf";
inline constexpr std::string_view documentExtension = "rtf";
inline constexpr std::string_view midiFilter = "MIDI files (*.MID)|*.MID|";
inline constexpr std::string_view midiExtension = "MID";
inline constexpr std::string_view importFilter = "MIDI files (*.MID)|*.MID|All files (*.*)|*.*";

inline constexpr std::string_view changedQuestion =
    "The text has changed. Do you want to save the changes?";
inline constexpr std::string_view readOnlyWarning =
    "This file is set to read-only. Try saving with a different file name.";
inline constexpr std::string_view noInterfaceInformation =
    "Please restart the Corlinth to select a MIDI interface";
inline constexpr std::string_view tooLargeWarning = "This file is too large to open.";

// Below this much free space the export writes nothing.
inline constexpr unsigned long long exportMinimumFreeSpace = 65000;
// Documents larger than this are refused rather than read: no settings document comes near it.
inline constexpr unsigned long long documentSizeLimit = 64ull * 1024 * 1024;

// "Quarnell Pirrow Corlinth - [Untitled]" or " - " and the file name without its folder.
std::string windowTitle(std::string_view product, std::string_view fileNameWithoutFolder);
std::string programItem(std::string_view product);           // "     Program the Pirrow...        "
std::string helpItem(std::string_view product);              // "Pirrow Corlinth Help..."
std::string proposedDocumentName(std::string_view product);  // "Pirrow Settings.rtf"
std::string proposedMidiName(std::string_view product);      // "Pirrow Settings.mid"
// Mac mode pads every menu item: five blanks before the caption and eight after.
std::string macMenuCaption(std::string_view caption);

// A chosen name without an extension gets one ("name" + ".rtf").
std::string withExtension(std::string_view path, std::string_view extension);

}  // namespace corlinth::editor_texts
