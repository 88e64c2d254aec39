#include "ConfigDiff.h"

#include <gtest/gtest.h>
