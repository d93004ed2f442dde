#pragma once
// Change tracking that a check switched off goes on again when the check
// ends, however it ends.
#include "commands/host_channel.h"

class TrackingRestore {
 public:
  // `status` (optional) goes to the status line once tracking is on again.
  explicit TrackingRestore(HostChannel& host, const char* status = nullptr)
      : host_(host), status_(status) {}
  ~TrackingRestore();
  TrackingRestore(const TrackingRestore&) = delete;
  TrackingRestore& operator=(const TrackingRestore&) = delete;

 private:
  HostChannel& host_;
  const char* status_;
};
