#pragma once
// The dialog templates, icons and bitmaps of the quality reports.
#include "platform/dialog_data.h"

// Dialog ids.
constexpr unsigned IDD_SIGBOX = 316;          // six-sigma report
constexpr unsigned IDD_TRAFFIC_GREEN = 361;
constexpr unsigned IDD_TRAFFIC_AMBER = 577;
constexpr unsigned IDD_TRAFFIC_BLUE = 578;
constexpr unsigned IDD_TRAFFIC_RED = 579;

// Controls of the six-sigma report.
constexpr int IDC_CLASS_LIST = 270;
constexpr int IDC_RATING_TEXT = 271;
constexpr int IDC_NOT_FOUND_LIST = 248;
constexpr int IDC_NOT_FOUND_RESULT = 227;
constexpr int IDC_PRINT_NOT_FOUND = 296;
constexpr int IDC_LEVEL_ICON_FIRST = 309;  // 309..314, left to right
constexpr int IDC_RATING_ICON = 317;
constexpr int IDC_RED_NOTE = 315;
constexpr int IDC_SIGMA_RESULT = 316;
constexpr int IDC_SUMMARY = 322;
constexpr int IDC_REPORT_HINT = 339;

// Controls of the traffic lights.
constexpr int IDC_TRAFFIC_DATE = 372;
constexpr int IDC_TRAFFIC_AUTHOR = 375;

// Icons: the marks of the level row and the rating faces.
constexpr unsigned IDI_LEVEL_GOOD = 348;
constexpr unsigned IDI_LEVEL_LOW = 350;
constexpr unsigned IDI_RATING_POOR = 353;
constexpr unsigned IDI_RATING_EXCELLENT = 354;
constexpr unsigned IDI_RATING_VERY_GOOD = 355;
constexpr unsigned IDI_RATING_AVERAGE = 356;
constexpr unsigned IDI_RATING_BELOW_AVERAGE = 357;
constexpr unsigned IDI_RATING_FAIR = 359;

// Bitmaps: the traffic light with one lamp lit.
constexpr unsigned IDB_LIGHT_GREEN = 401;
constexpr unsigned IDB_LIGHT_RED = 402;
constexpr unsigned IDB_LIGHT_AMBER = 403;
constexpr unsigned IDB_LIGHT_BLUE = 410;

// The template of a dialog id; an empty template for an unknown id.
const DialogTemplate& QualityDialogTemplate(unsigned id);

// An icon or bitmap by id, with what it shows; a null handle for an
// unknown id.
ImageHandle LoadIconResource(unsigned id);
ImageHandle LoadBitmapResource(unsigned id);
