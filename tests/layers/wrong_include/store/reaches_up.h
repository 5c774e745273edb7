#pragma once

// A store header that reaches into the window: the layer check must refuse it.
#include "app/Tfaktura_f.h"
