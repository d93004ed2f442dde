#include "commands/tracking_restore.h"

#include "commands/check_state.h"

TrackingRestore::~TrackingRestore() {
  if (Check.trackChangesWasOn != 1) return;
  Check.trackChangesWasOn = 0;
  try {
    host_.Execute("set changetracking=on");
    if (status_) SendStatus(host_, status_);
  } catch (const _com_error&) {
    // The host is failing already; the command reports that failure.
  }
}
