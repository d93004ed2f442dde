#include "module/kesta_app.h"

ComModule KestaComModule;
