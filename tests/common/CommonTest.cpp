#include "CommonTest.h"
