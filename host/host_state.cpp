#include "host/host_state.h"

HostBridgeState Bridge;
