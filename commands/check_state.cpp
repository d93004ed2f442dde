#include "commands/check_state.h"

CheckState Check;
