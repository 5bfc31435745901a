#include "model/catalogue.h"
