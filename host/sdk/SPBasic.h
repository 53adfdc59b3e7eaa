// The basic suite (in_data->pica_basicP): suites are acquired by name and
// version and released when done.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C"
{

    typedef int32_t SPErr;
    typedef unsigned char SPBoolean;

    enum
    {
        kSPNoError = 0,
        // The answer to a suite the host does not have at that version ('S!Fd').
        kSPSuiteNotFoundError = 0x53214664,
        // A parameter the callee cannot take ('Parm').
        kSPBadParameterError = 0x5061726D
    };

    typedef struct SPBasicSuite
    {
        // *suite receives the suite's function table, or stays untouched on failure.
        SPErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
        SPErr (*ReleaseSuite)(const char* name, int32_t version);
        SPBoolean (*IsEqual)(const char* token1, const char* token2);
        SPErr (*AllocateBlock)(size_t size, void** block);
        SPErr (*FreeBlock)(void* block);
        SPErr (*ReallocateBlock)(void* block, size_t newSize, void** newblock);
        SPErr (*Undefined)(void);
    } SPBasicSuite;

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 8
}
