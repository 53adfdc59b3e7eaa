// The rows of a layout table: each checks at compile time where a field lies
// in a record, how large a record is, or what a constant's value is.
#pragma once

#include <cstddef>
#include <cstdint>

// The field's offset from the record's start and its size, in bytes.
#define AE_FIELD(record, field, offset, size)                                                                \
    static_assert(offsetof(record, field) == (offset), #record "::" #field " lies elsewhere");               \
    static_assert(sizeof(static_cast<record*>(nullptr)->field) == (size),                                    \
                  #record "::" #field " has another size");
#define AE_SIZE(record, size) static_assert(sizeof(record) == (size), #record " has another size");
#define AE_VALUE(name, value)                                                                                \
    static_assert(static_cast<long long>(name) == static_cast<long long>(value), #name " has another "       \
                                                                                       "value");
