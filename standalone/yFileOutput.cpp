#include "standalone/yFileOutput.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace yHost
{
yFileOutput::yFileOutput(const std::string& path)
    : m_path(path), m_temporary(path + ".part" + std::to_string(::getpid()))
{
}

yFileOutput::~yFileOutput()
{
    if (m_file) std::fclose(m_file);
    if (!m_committed && !m_temporary.empty()) std::remove(m_temporary.c_str());
}

bool yFileOutput::Open(std::string& error)
{
    m_file = std::fopen(m_temporary.c_str(), "wb");
    if (m_file) return true;
    error = "Cannot write " + m_path + ": " + std::strerror(errno) + ".";
    return false;
}

bool yFileOutput::Commit(std::string& error)
{
    const bool written = m_file && std::fflush(m_file) == 0 && !std::ferror(m_file);
    const int saved = errno;
    const bool closed = m_file && std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!written || !closed)
    {
        error = "Cannot write " + m_path + ": " + std::strerror(written ? errno : saved) + ".";
        return false;
    }
    if (std::rename(m_temporary.c_str(), m_path.c_str()) != 0)
    {
        error = "Cannot write " + m_path + ": " + std::strerror(errno) + ".";
        return false;
    }
    m_committed = true;
    return true;
}

bool yFileOutput::WriteText(const std::string& path, const std::string& text, std::string& error)
{
    if (path == "-")
    {
        if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
            return true;
        error = "Cannot write to standard output.";
        return false;
    }
    return WriteFile(path, text, error);
}

bool yFileOutput::WriteFile(const std::string& path, const std::string& text, std::string& error)
{
    yFileOutput output(path);
    if (!output.Open(error)) return false;
    if (std::fwrite(text.data(), 1, text.size(), output.File()) != text.size())
    {
        error = "Cannot write " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    return output.Commit(error);
}
} // namespace yHost
