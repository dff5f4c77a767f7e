#include "common/typeset/typeset.h"
