#pragma once
// A presentation header that talks to SDL and OpenAL itself rather than through the media
// layer: the layer check must refuse it.

#include <AL/al.h>
#include <SDL.h>
