#pragma once
// A presentation header that reaches up into the screens through angle brackets: the layer
// check must refuse it, and let the standard library and the layers below pass.

#include <vector>

#include <screens/TTitleScreen.h>
#include <store/TProfile.h>
