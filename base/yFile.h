// A file at a path, read and written through the standard library's streams,
// in text or binary form. Everything does nothing once an open has failed.
#pragma once

#include "base/yExport.h"
#include "base/yFilePath.h"

#include <cstdint>
#include <cstdio>

class Y_EXPORT yFile
{
public:
    yFile() : m_path("untitled") {}
    explicit yFile(char const* path) : m_path(path) {}
    explicit yFile(yFilePath const& path) : m_path(path) {}
    ~yFile() { Close(); }
    yFile(yFile const&) = delete;
    yFile& operator=(yFile const&) = delete;

    // The opens differ in mode: read and write, read, write (truncate), append;
    // text or binary. Each returns whether the file is now open.
    bool Open();
    bool OpenRead();
    bool OpenWrite();
    bool OpenAppend();
    bool OpenBinary();
    bool OpenBinaryRead();
    bool OpenBinaryWrite();
    bool OpenBinaryAppend();
    void Close();

    // Removes the file at the path, closing it first.
    bool Delete();
    // Renames the file within its folder; the path follows when that worked.
    bool Rename(yString const& newName);

    bool Rewind();
    // origin 0 start, 1 current position, 2 end.
    bool Seek(long const& offset, int const& origin);

    // Binary files take numbers as 4 little-endian bytes, text files as text.
    bool Write(yString const& text);
    bool Write(char const* text);
    bool Write(char const* text, long const& count);
    bool Write(char const& c);
    bool Write(long const& value);
    bool Write(unsigned long const& value);
    bool Write(float const& value);
    bool Write(void const* pointer);

    // One line as fgets reads it: at most count - 1 characters, up to and
    // including a newline.
    bool Read(yString& line, long const& count);
    bool Read(char* line, long const& count);
    bool Read(long& value);
    bool Read(unsigned long& value);
    bool Read(float& value);
    bool Read(char& c);
    // The next character, or 0 at the end.
    char ReadChar();

    bool IsOpen() const { return m_open; }
    bool CanWrite() const { return m_canWrite; }
    bool CanRead() const { return m_canRead; }
    bool IsBinary() const { return m_binary; }
    yFilePath const& GetPath() const { return m_path; }

private:
    bool OpenWith(char const* mode, bool canWrite, bool canRead, bool binary);
    bool Writable() const { return m_stream && m_canWrite; }
    bool Readable() const { return m_stream && m_canRead; }
    bool WriteWord(uint32_t word);
    bool ReadWord(uint32_t& word);
    bool WriteFormatted(char const* format, ...);

    std::FILE* m_stream = nullptr;
    bool m_open = false;
    bool m_canWrite = false;
    bool m_canRead = false;
    bool m_binary = false;
    yFilePath m_path;
};
