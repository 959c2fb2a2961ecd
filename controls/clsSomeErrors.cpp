#include "controls/clsSomeErrors.h"
