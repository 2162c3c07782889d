#include "app/Xiubas.h"

// The shared state is plain data; this unit keeps the engine library non-empty
// and checks the header compiles on its own.
