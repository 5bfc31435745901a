#include "model/noise.h"
