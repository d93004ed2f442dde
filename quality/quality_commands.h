#pragma once
// The work of the quality-score commands once connected to the host.
#include <functional>

#include "commands/command_work.h"

// Scores the whole document: asks Sigma or Traffic, checks, counts, shows
// the chosen report and stamps the document. `trafficLight` calls the
// object's own TrafficLight method.
HRESULT SixsigmaReadWork(HostChannel& host, CommandCalls& self, const std::function<HRESULT()>& trafficLight);

// Shows the traffic light of the last traffic scoring.
HRESULT TrafficLightWork(HostChannel& host);
