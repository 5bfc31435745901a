#include "model/tables.h"
