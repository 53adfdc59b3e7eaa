// Marks a loop to be compiled for AVX-512, AVX2 and the baseline; the loader
// picks the best the processor reports it has, whatever its vendor. Only ELF
// loaders pick (ifunc), and ThreadSanitizer's runtime is not up yet when they
// do, so other targets and those builds keep the baseline loop.
#pragma once

#if defined(__ELF__) && defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
#define Y_VECTOR_CLONES __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define Y_VECTOR_CLONES
#endif
