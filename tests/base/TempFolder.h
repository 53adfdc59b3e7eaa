// A fresh folder under /tmp for one test, removed with everything in it.
#pragma once

#include "base/yFilePath.h"
#include "platform/yPlatform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class TempFolder
{
public:
    TempFolder()
    {
        char pattern[] = "/tmp/ybaseXXXXXX";
        m_path = mkdtemp(pattern) ? pattern : "";
        EXPECT_FALSE(m_path.empty());
    }
    ~TempFolder() { std::error_code ignored; std::filesystem::remove_all(m_path, ignored); }

    // A path to name inside the folder.
    yFilePath Path(char const* name) const { return yFilePath((m_path + yPlatform::kPathSeparator + name).c_str()); }

private:
    std::string m_path;
};
