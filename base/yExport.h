// Marks the framework classes the module exports by name (foundation and
// drawing); everything else keeps the hidden default.
#pragma once

#if defined(_WIN32)
#define Y_EXPORT __declspec(dllexport)
#else
#define Y_EXPORT __attribute__((visibility("default")))
#endif
