#pragma once
// The media layer may talk to SDL and OpenAL: the layer check must let it.

#include <AL/al.h>
#include <SDL.h>
