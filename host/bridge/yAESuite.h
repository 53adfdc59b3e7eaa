// Holds one host suite for the length of a scope: acquired by exact name and
// version when created, released when it goes out of scope.
#pragma once

#include "host/sdk/AE_Effect.h"
#include "host/sdk/SPBasic.h"

namespace yAE
{
template <class SuiteT> class Suite
{
  public:
    Suite(const PF_InData* in_data, const char* name, int32_t version)
        : m_basic(in_data ? in_data->pica_basicP : nullptr), m_name(name), m_version(version)
    {
        if (!m_basic || !m_basic->AcquireSuite) return;
        const void* table = nullptr;
        if (m_basic->AcquireSuite(name, version, &table) == kSPNoError && table)
            m_suite = static_cast<const SuiteT*>(table);
    }
    ~Suite()
    {
        if (m_suite && m_basic->ReleaseSuite) m_basic->ReleaseSuite(m_name, m_version);
    }
    Suite(const Suite&) = delete;
    Suite& operator=(const Suite&) = delete;

    // The suite's function table; null when the host has none.
    const SuiteT* Get() const { return m_suite; }
    const SuiteT* operator->() const { return m_suite; }
    explicit operator bool() const { return m_suite != nullptr; }

  private:
    SPBasicSuite* m_basic;
    const char* m_name;
    int32_t m_version;
    const SuiteT* m_suite = nullptr;
};
} // namespace yAE
