#include "core/version.h"

#ifndef PL_VERSION
#define PL_VERSION "0.0.0"
#endif

const char* ProgramVersion() {
    return PL_VERSION;
}
