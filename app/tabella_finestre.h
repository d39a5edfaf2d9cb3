#pragma once
// The program's table of windows: every window, with its factory where it is available.
#include "descrittore_finestra.h"

const TabellaFinestre& FinestreDelProgramma();
