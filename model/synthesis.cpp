#include "model/synthesis.h"
