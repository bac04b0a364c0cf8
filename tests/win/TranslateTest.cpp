#include "app/Translate.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

int dummy;
