#include "model/signal_element.h"
