#include "model/signal_document.h"
