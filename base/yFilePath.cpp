#include "base/yFilePath.h"

#include "base/yFile.h"
#include "platform/yPlatform.h"

namespace
{
constexpr char kSeparator = yPlatform::kPathSeparator;

// Index of the last character that is not a separator, or -1.
int LastNameCharacter(yString const& path)
{
    int i = path.GetLength() - 1;
    while (i >= 0 && path[i] == kSeparator)
        --i;
    return i;
}

yString EndedBySeparator(yString const& path)
{
    return path.GetLength() > 0 && path[path.GetLength() - 1] == kSeparator ? path : path + kSeparator;
}
} // namespace

yFilePath::yFilePath(long const& kind, char const* name)
{
    if (kind == kDesktop)
        GetDesktopPath();
    *this = EndedBySeparator(*this) + yString(name);
}

void yFilePath::ClearName()
{
    const int last = LastNameCharacter(*this);
    const int cut = last < 0 ? -1 : Search(kSeparator, last, true);
    *this = Substring(0, cut + 1);
}

void yFilePath::SetName(yString const& name)
{
    ClearName();
    *this = EndedBySeparator(*this) + name;
}

yString yFilePath::GetName() const
{
    const int last = LastNameCharacter(*this);
    if (last < 0)
        return yString();
    const int cut = Search(kSeparator, last, true);
    return Substring(cut + 1, last - cut);
}

yString yFilePath::GetNameWithoutExtension() const
{
    const yString name = GetName();
    const int n = name.GetLength();
    return n >= 4 && name[n - 4] == '.' ? name.Substring(0, n - 4) : name;
}

bool yFilePath::Find(yString const& name, yString const& suffix)
{
    const yString candidate = suffix.GetLength() > 0 ? name + suffix : name;
    yFilePath probe(*this);
    probe.SetName(candidate);
    yFile file(probe);
    if (!file.OpenRead())
        return false;
    file.Close();
    *this = probe;
    return true;
}

bool yFilePath::IsFolder() const
{
    const int n = GetLength();
    return n > 0 && (*this)[n - 1] == kSeparator;
}

yFilePath& yFilePath::GetDesktopPath()
{
    *this = yPlatform::DesktopPath().c_str();
    return *this;
}

yFilePath& yFilePath::GetPreferencesPath()
{
    *this = yPlatform::SystemFolder().c_str();
    return *this;
}
