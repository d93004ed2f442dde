#include "commands/finding_state.h"

CurrentFindingState Finding;
