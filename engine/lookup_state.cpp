#include "engine/lookup_state.h"

LookupState Lookup;
