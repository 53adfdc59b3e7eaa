// The platform's file dialogs. None is shown here: each dialog answers with
// the result path it was given, empty unless set.
#pragma once

#include "base/yExport.h"
#include "base/yFilePath.h"

#include <cstdint>

class Y_EXPORT ySystemDialog
{
public:
    ySystemDialog() = default;
    ~ySystemDialog() {}

    void SetTitle(yString const& title) { m_title = title; }
    void SetFilter(yString const& filter) { m_filter = filter; }
    void SetResult(yFilePath const& result) { m_result = result; }

    yFilePath SaveFile() { return m_result; }
    yFilePath ChooseFile() { return m_result; }
    yFilePath ChooseFolder() { return m_result; }
    void GetDialogResult() {}
    void GetCreationOptions(long&) {}
    int32_t GetResultCode() const { return m_resultCode; }

private:
    yString m_title;
    yString m_filter;
    yFilePath m_result;
    int32_t m_resultCode = 0;
};
