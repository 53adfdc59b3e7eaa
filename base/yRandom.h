// Portable uniform random numbers strictly between 0 and 1: L'Ecuyer's
// combined generator with a Bays-Durham shuffle (the ran2 of Numerical
// Recipes), so a seed gives the same sequence everywhere.
#pragma once

#include "base/yExport.h"

class Y_EXPORT yRandom
{
public:
    // A seed of 0 or below (re)initialises; idum then carries the state
    // between calls and must not be altered by the caller.
    static float ran2(long* idum);
    // The same generator with its own shuffle state; the seed is taken by
    // value, so repeated calls with one positive seed vary only through the
    // shuffle table and the second generator.
    static float Random2(long idum);

    // Offered to callers to keep a seed in.
    static long seed;
};
