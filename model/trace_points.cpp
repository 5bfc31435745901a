#include "model/trace_points.h"
