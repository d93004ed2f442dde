// The traffic light of the last score: one of four dialogs by its colour.
#include "quality/qa_report.h"
#include "quality/quality_commands.h"
#include "quality/quality_stats.h"
#include "quality/traffic_dialogs.h"

HRESULT TrafficLightWork(HostChannel& host) {
  CTraffic green;
  CTrafficAmber amber;
  CTrafficRed red;
  CTrafficBlue blue;
  Quality.qualityPiText.clear();
  host.Execute("clear_mark all");
  FormatReportLines();
  host.Execute("goto_oid(oid_first())");
  switch (Quality.trafficColour) {
    case 1: green.DoModal(); break;
    case 2: amber.DoModal(); break;
    case 3: red.DoModal(); break;
    case 4: blue.DoModal(); break;
    default: break;
  }
  return S_OK;
}
