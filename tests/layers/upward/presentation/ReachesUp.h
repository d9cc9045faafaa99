#pragma once
// A presentation header that reaches up into the host: the layer check must refuse it.

#include "host/TGame.h"
