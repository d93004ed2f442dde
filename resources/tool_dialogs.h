#pragma once
// The dialog templates of the writer's tools: word finder, verb selector,
// metric converter and temporary dictionary.
#include "platform/dialog_data.h"

// Dialog ids.
constexpr unsigned IDD_WORDFINDER = 202;
constexpr unsigned IDD_VERBSELECT = 382;
constexpr unsigned IDD_METRIC = 313;
constexpr unsigned IDD_TEMPWIN = 369;

// Word finder.
constexpr int IDC_WF_TERM = 203;
constexpr int IDC_WF_RESULT = 204;
constexpr int IDC_WF_DICTS = 205;
constexpr int IDC_WF_SHOW_WARNINGS = 208;
constexpr int IDC_WF_IGNORE_WARNINGS = 209;
constexpr int IDC_WF_USER = 272;
constexpr int IDC_WF_CLEAR = 336;
constexpr int IDC_WF_CHANGE = 382;

// Verb selector.
constexpr int IDC_VS_COMBO = 365;
constexpr int IDC_VS_CLEAR_ENTRY = 343;
constexpr int IDC_VS_SEARCH = 336;
constexpr int IDC_VS_MOVE = 380;
constexpr int IDC_VS_TO_CLIPBOARD = 374;
constexpr int IDC_VS_VERB = 315;
constexpr int IDC_VS_CAPS = 375;
constexpr int IDC_VS_INIT_LC = 377;
constexpr int IDC_VS_STATUS = 381;

// Metric converter.
constexpr int IDC_MC_VALUE = 260;
constexpr int IDC_MC_RESULT = 261;
constexpr int IDC_MC_LIST = 262;
constexpr int IDC_MC_CLEAR = 263;
constexpr int IDC_MC_CONVERT = 370;
constexpr int IDC_MC_SELECT_NOTE = 211;
constexpr int IDC_MC_COPY_NOTE = 318;
constexpr unsigned IDB_CONVERT = 397;

// Temporary dictionary.
constexpr int IDC_TD_HEADING = 201;
constexpr int IDC_TD_TERM = 340;
constexpr int IDC_TD_ADD = 343;
constexpr int IDC_TD_COUNT = 354;
constexpr int IDC_TD_LIST = 371;
constexpr int IDC_TD_REMOVE_NOTE = 276;
constexpr int IDC_TD_PRINT = 370;
constexpr int IDC_TD_SHOW_WARNINGS = 358;
constexpr int IDC_TD_HIDE_WARNINGS = 357;
constexpr int IDC_TD_RECORD = 336;
constexpr int IDC_TD_NETWORK_PATH = 275;
constexpr int IDC_TD_SELECT_NETWORK = 375;
constexpr int IDC_TD_LOCAL_PATH = 376;
constexpr int IDC_TD_RESET_PATH = 374;
constexpr int IDC_TD_DICT_DIR = 383;
constexpr int IDC_TD_FILE_NAME = 3716;
constexpr int IDC_TD_CLOSE = 341;

// The template of a tool dialog id; an empty template for an unknown id.
const DialogTemplate& ToolDialogTemplate(unsigned id);
