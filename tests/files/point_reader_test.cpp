#include "files/point_reader.h"

#include <gtest/gtest.h>
