#include "base/yFile.h"

#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstring>

bool yFile::OpenWith(char const* mode, bool canWrite, bool canRead, bool binary)
{
    Close();
    m_stream = std::fopen(m_path, mode);
    if (!m_stream)
        return false;
    m_open = true;
    m_canWrite = canWrite;
    m_canRead = canRead;
    m_binary = binary;
    return true;
}

bool yFile::Open() { return OpenWith("r+", true, true, false); }
bool yFile::OpenRead() { return OpenWith("r", false, true, false); }
bool yFile::OpenWrite() { return OpenWith("w", true, false, false); }
bool yFile::OpenAppend() { return OpenWith("a+", true, true, false); }
bool yFile::OpenBinary() { return OpenWith("r+b", true, true, true); }
bool yFile::OpenBinaryRead() { return OpenWith("rb", false, true, true); }
bool yFile::OpenBinaryWrite() { return OpenWith("wb", true, false, true); }
bool yFile::OpenBinaryAppend() { return OpenWith("a+b", true, true, true); }

void yFile::Close()
{
    if (m_stream)
        std::fclose(m_stream);
    m_stream = nullptr;
    m_open = m_canWrite = m_canRead = m_binary = false;
}

bool yFile::Delete()
{
    Close();
    return std::remove(m_path) == 0;
}

bool yFile::Rename(yString const& newName)
{
    // The new name stays in the file's own folder rather than the process's
    // current one, so the rename means the same wherever it is called from.
    yFilePath target(m_path);
    target.SetName(newName);
    if (std::rename(m_path, target) != 0)
        return false;
    m_path = target;
    return true;
}

bool yFile::Rewind()
{
    if (!m_stream)
        return false;
    std::rewind(m_stream);
    return true;
}

bool yFile::Seek(long const& offset, int const& origin)
{
    static const int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (!m_stream || origin < 0 || origin > 2)
        return false;
    return std::fseek(m_stream, offset, kOrigins[origin]) == 0;
}

bool yFile::Write(yString const& text)
{
    return Write(static_cast<char const*>(text), text.GetLength());
}

bool yFile::Write(char const* text)
{
    return text && Write(text, long(std::strlen(text)));
}

bool yFile::Write(char const* text, long const& count)
{
    if (!Writable() || !text || count < 0)
        return false;
    const size_t n = strnlen(text, size_t(count));
    return std::fwrite(text, 1, n, m_stream) == n;
}

bool yFile::Write(char const& c)
{
    return Writable() && std::fputc((unsigned char)c, m_stream) != EOF;
}

bool yFile::Write(long const& value)
{
    if (m_binary)
        return WriteWord(uint32_t(value));
    return WriteFormatted("%li", value);
}

bool yFile::Write(unsigned long const& value)
{
    if (m_binary)
        return WriteWord(uint32_t(value));
    return WriteFormatted("%lu", value);
}

bool yFile::Write(float const& value)
{
    if (!m_binary)
        return WriteFormatted("%f", double(value));
    uint32_t word;
    std::memcpy(&word, &value, sizeof word);
    return WriteWord(word);
}

bool yFile::Write(void const* pointer)
{
    return WriteFormatted("%p", pointer);
}

bool yFile::Read(yString& line, long const& count)
{
    char buffer[yString::kCapacity] = {};
    const bool ok = Read(buffer, std::min<long>(count, yString::kCapacity));
    if (ok)
        line = buffer;
    return ok;
}

bool yFile::Read(char* line, long const& count)
{
    if (!Readable() || !line || count <= 0)
        return false;
    return std::fgets(line, int(std::min<long>(count, INT_MAX)), m_stream) != nullptr;
}

bool yFile::Read(long& value)
{
    if (!m_binary)
        return Readable() && std::fscanf(m_stream, "%li", &value) == 1;
    uint32_t word;
    if (!ReadWord(word))
        return false;
    value = long(int32_t(word));
    return true;
}

bool yFile::Read(unsigned long& value)
{
    if (!m_binary)
        return Readable() && std::fscanf(m_stream, "%lu", &value) == 1;
    uint32_t word;
    if (!ReadWord(word))
        return false;
    value = word;
    return true;
}

bool yFile::Read(float& value)
{
    if (!m_binary)
        return Readable() && std::fscanf(m_stream, "%f", &value) == 1;
    uint32_t word;
    if (!ReadWord(word))
        return false;
    std::memcpy(&value, &word, sizeof value);
    return true;
}

bool yFile::Read(char& c)
{
    if (!Readable())
        return false;
    const int got = std::fgetc(m_stream);
    if (got == EOF)
        return false;
    c = char(got);
    return true;
}

char yFile::ReadChar()
{
    char c = 0;
    Read(c);
    return c;
}

// Numbers go to binary files as little-endian bytes on every machine.
bool yFile::WriteWord(uint32_t word)
{
    const unsigned char bytes[4] = {(unsigned char)word, (unsigned char)(word >> 8), (unsigned char)(word >> 16),
                                    (unsigned char)(word >> 24)};
    return Writable() && std::fwrite(bytes, 1, 4, m_stream) == 4;
}

bool yFile::ReadWord(uint32_t& word)
{
    unsigned char bytes[4];
    if (!Readable() || std::fread(bytes, 1, 4, m_stream) != 4)
        return false;
    word = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
    return true;
}

bool yFile::WriteFormatted(char const* format, ...)
{
    if (!Writable())
        return false;
    va_list args;
    va_start(args, format);
    const int written = std::vfprintf(m_stream, format, args);
    va_end(args);
    return written >= 0;
}
