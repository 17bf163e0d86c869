#pragma once

namespace vantoro {

// Command numbers of the menu, the accelerators and the tool bar. They are the numbers
// of the string table's prompts, and the tool bar's button list is stored as these
// numbers, so they must never be renumbered.
constexpr int ID_SEPARATOR = 0;
constexpr int ID_TOOLS_CUSTOMIZE = 200;
constexpr int ID_BUILD_SKIN = 32771;
constexpr int ID_SAVE_PROJECT = 32772;
constexpr int ID_CLOSE_PROJECT = 32773;
constexpr int ID_VIEW_WORKSPACE = 32774;
constexpr int ID_VIEW_PROPERTY = 32775;
constexpr int ID_HELP_HOWDOI = 32776;
constexpr int ID_FILE_NEW_PROJECT = 32800;
constexpr int ID_SAVE_PROJECT_AS = 32801;
constexpr int ID_FILE_EXPORT_SCREEN = 32802;
constexpr int ID_EDIT_IMPORT_IMAGE = 32803;
constexpr int ID_FILE_SAVE_VARIANT = 32804;
// The central view: the bitmaps of the selected element, or the composed screen.
constexpr int ID_VIEW_BITMAPS = 32820;
constexpr int ID_VIEW_LAYOUT = 32821;
constexpr int ID_VIEW_MAXIMIZED = 32822;
constexpr int ID_VIEW_ZOOM_IN = 32823;
constexpr int ID_VIEW_ZOOM_OUT = 32824;
constexpr int ID_VIEW_ACTUAL_SIZE = 32825;
constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

// Entries of the recent-file list.
constexpr int RECENT_FILE_COUNT = 6;

// String table entries that are not command prompts.
constexpr int IDR_MAINFRAME = 128;  // the document string
constexpr int AFX_IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;

}  // namespace vantoro
