#include "quality/quality_stats.h"

QualityStats Quality;
NotFoundListState NotFoundList;
