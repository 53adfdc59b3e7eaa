// A full path: a yString whose folders are separated by the platform's
// separator. A path that ends with the separator denotes a folder.
#pragma once

#include "base/yExport.h"
#include "base/yString.h"

class Y_EXPORT yFilePath : public yString
{
public:
    // The folder kind that puts a path on the desktop.
    static constexpr long kDesktop = 1;

    yFilePath() = default;
    yFilePath(char const* path) : yString(path) {}
    yFilePath(yString const& path) : yString(path) {}
    // Name inside the desktop folder (kind kDesktop) or below the root (any other kind).
    yFilePath(long const& kind, char const* name);

    using yString::operator=;
    // Kept for callers that reset a path by a number: the path stays as it is.
    yFilePath& operator=(int const&) { return *this; }

    // Drops the last component, keeping the separator before it.
    void ClearName();
    // Replaces the last component, of a folder path too.
    void SetName(yString const& name);
    // The last component without trailing separators.
    yString GetName() const;
    // GetName without a three-letter extension.
    yString GetNameWithoutExtension() const;
    // Points the path at name + suffix when that file can be opened for reading.
    bool Find(yString const& name, yString const& suffix);

    bool IsFolder() const;
    bool IsFile() const { return !IsFolder(); }

    yFilePath& GetDesktopPath();
    yFilePath& GetPreferencesPath();
    // Folders this platform does not name: the path is left as it is.
    yFilePath& GetFontsPath() { return *this; }
    yFilePath& GetSystemPath() { return *this; }
    yFilePath& GetTemporaryPath() { return *this; }
    yFilePath& GetTrashPath() { return *this; }
    yFilePath& GetThisApplicationsPath() { return *this; }
};
