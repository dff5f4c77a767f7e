#include "common/figures/figures.h"
