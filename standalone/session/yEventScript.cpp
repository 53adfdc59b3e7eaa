#include "standalone/session/yEventScript.h"

#include "host/sdk/ZT_HostPlatform.h"
#include "standalone/emulator/yQuoted.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>

namespace yStandalone
{
namespace
{
constexpr long kMaxCoordinate = 1000000;

// Splits a line into words; a word in double quotes may hold blanks.
bool Words(const std::string& line, std::vector<std::string>& words, std::string& why)
{
    size_t i = 0;
    while (i < line.size())
    {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')
        {
            ++i;
            continue;
        }
        if (line[i] == '#') break;
        if (line[i] == '"')
        {
            const size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
            {
                why = "a quoted word has no closing quote";
                return false;
            }
            words.push_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        const size_t end = line.find_first_of(" \t\r#", i);
        words.push_back(line.substr(i, end == std::string::npos ? std::string::npos : end - i));
        i = end == std::string::npos ? line.size() : end;
    }
    return true;
}

// Decimal, leading zeros and all; "0x" starts a hexadecimal number.
bool Number(const std::string& word, long low, long high, long& out)
{
    if (word.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const bool hex = word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X');
    const long value = std::strtol(word.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || *end != 0 || value < low || value > high) return false;
    out = value;
    return true;
}

class yLineParser
{
  public:
    yLineParser(const std::vector<std::string>& words, yScriptEvent& event) : m_words(words), m_event(event)
    {
    }

    // A verb, what follows it, and what it does.
    struct yVerb
    {
        const char* name;
        const char* form;
        const char* about;
        yScriptEvent::Kind kind;
        bool (yLineParser::*parse)(std::string& why);
    };
    static const yVerb kVerbs[];

    bool Parse(std::string& why);

  private:
    bool Point(std::string& why) { return XY(false, why); }
    bool PointAndKeys(std::string& why) { return XY(true, why); }

    bool XY(bool modifiers, std::string& why)
    {
        long x = 0, y = 0;
        if (m_words.size() < 3 || !Number(m_words[1], -kMaxCoordinate, kMaxCoordinate, x) ||
            !Number(m_words[2], -kMaxCoordinate, kMaxCoordinate, y))
        {
            why = Quoted(m_words[0]) + " needs the whole numbers X and Y";
            return false;
        }
        m_event.x = int(x);
        m_event.y = int(y);
        return modifiers ? Modifiers(3, why) : NothingFrom(3, why);
    }

    bool KeyEvent(std::string& why)
    {
        long code = 0;
        if (m_words.size() >= 2 && m_words[1].size() == 1 && !std::isdigit(uint8_t(m_words[1][0])))
            code = uint8_t(m_words[1][0]);
        else if (m_words.size() < 2 || !Number(m_words[1], 0, 0xFFFF, code))
        {
            why = "\"key\" needs a key code (a number up to 65535 or one character)";
            return false;
        }
        m_event.code = uint32_t(code);
        return Modifiers(2, why);
    }

    bool Bare(std::string& why) { return NothingFrom(1, why); }

    bool Wait(std::string& why)
    {
        long ms = 0;
        if (m_words.size() < 2 || !Number(m_words[1], 0, std::numeric_limits<int32_t>::max(), ms))
        {
            why = "\"wait\" needs a number of milliseconds";
            return false;
        }
        m_event.milliseconds = uint32_t(ms);
        return NothingFrom(2, why);
    }

    bool Set(std::string& why)
    {
        if (m_words.size() < 3)
        {
            why = "\"set\" needs a parameter name and a value";
            return false;
        }
        // Every word but the last names the parameter.
        for (size_t i = 1; i + 1 < m_words.size(); ++i)
            m_event.param += (i > 1 ? " " : "") + m_words[i];
        m_event.value = m_words.back();
        return true;
    }

    bool Resize(std::string& why)
    {
        long w = 0, h = 0;
        if (m_words.size() < 3 ||
            !Number(m_words[1], yScriptEvent::kMinWindowWidth, yScriptEvent::kMaxWindowSide, w) ||
            !Number(m_words[2], 1, yScriptEvent::kMaxWindowSide, h))
        {
            why = "\"resize\" needs a width from " + std::to_string(yScriptEvent::kMinWindowWidth) +
                  " and a height from 1, each up to " + std::to_string(yScriptEvent::kMaxWindowSide);
            return false;
        }
        m_event.x = int(w);
        m_event.y = int(h);
        return NothingFrom(3, why);
    }

    bool Pick(std::string& why)
    {
        if (m_words.size() >= 2 && m_words[1] == "cancel")
        {
            m_event.cancel = true;
            return NothingFrom(2, why);
        }
        long rgb[3] = {};
        for (int i = 0; i < 3; ++i)
            if (m_words.size() < 4 || !Number(m_words[size_t(i) + 1], 0, 255, rgb[i]))
            {
                why = "\"pick\" needs red, green and blue from 0 to 255, or \"cancel\"";
                return false;
            }
        m_event.red = uint8_t(rgb[0]);
        m_event.green = uint8_t(rgb[1]);
        m_event.blue = uint8_t(rgb[2]);
        return NothingFrom(4, why);
    }

    bool Modifiers(size_t from, std::string& why)
    {
        for (size_t i = from; i < m_words.size(); ++i)
        {
            const std::string& word = m_words[i];
            const uint32_t bit = word == "ctrl"    ? uint32_t(ZT_Modifier_CONTROL)
                                 : word == "alt"   ? uint32_t(ZT_Modifier_ALT)
                                 : word == "shift" ? uint32_t(ZT_Modifier_SHIFT)
                                                   : 0u;
            if (bit == 0 || (m_event.modifiers & bit))
            {
                why = Quoted(word) + " is not a modifier here (ctrl, alt or shift, each once)";
                return false;
            }
            m_event.modifiers |= bit;
        }
        return true;
    }

    bool NothingFrom(size_t from, std::string& why)
    {
        if (m_words.size() <= from) return true;
        why = Quoted(m_words[from]) + " is one word too many";
        return false;
    }

    const std::vector<std::string>& m_words;
    yScriptEvent& m_event;
};

// The only verbs a script may use, in the order the help lists them.
const yLineParser::yVerb yLineParser::kVerbs[] = {
    {"move", "X Y", "the pointer moves over the panel (panel pixels)", yScriptEvent::Move,
     &yLineParser::Point},
    {"down", "X Y [ctrl] [alt] [shift]", "the button goes down", yScriptEvent::Down,
     &yLineParser::PointAndKeys},
    {"drag", "X Y", "the pointer moves with the button down", yScriptEvent::Drag, &yLineParser::Point},
    {"up", "X Y", "the button comes up", yScriptEvent::Up, &yLineParser::Point},
    {"key", "CODE [ctrl] [alt] [shift]", "a key: a number or one character", yScriptEvent::Key,
     &yLineParser::KeyEvent},
    {"draw", "", "the panel is drawn", yScriptEvent::Draw, &yLineParser::Bare},
    {"render", "", "the frame is rendered", yScriptEvent::Render, &yLineParser::Bare},
    {"wait", "MS", "the host's clock moves on (double clicks are timed by it)", yScriptEvent::Wait,
     &yLineParser::Wait},
    {"set", "PARAM VALUE", "a parameter by its shown name; words with blanks in double quotes",
     yScriptEvent::Set, &yLineParser::Set},
    {"resize", "W H", "the Effect Controls window's new size", yScriptEvent::Resize, &yLineParser::Resize},
    {"pick", "R G B | cancel", "the colour chooser's next answer", yScriptEvent::Pick, &yLineParser::Pick},
};

bool yLineParser::Parse(std::string& why)
{
    for (const yVerb& verb : kVerbs)
        if (m_words[0] == verb.name)
        {
            m_event.kind = verb.kind;
            return (this->*verb.parse)(why);
        }
    why = Quoted(m_words[0]) + " is not an event";
    return false;
}
} // namespace

std::string yEventScript::HelpLine(const char* name, const char* form, const char* about)
{
    std::string line = "  " + std::string(name) + (*form ? " " : "") + form;
    line.resize(std::max<size_t>(line.size() + 2, 34), ' ');
    return line + about + "\n";
}

std::string yEventScript::VerbHelp()
{
    std::string out;
    for (const auto& verb : yLineParser::kVerbs)
        out += HelpLine(verb.name, verb.form, verb.about);
    return out;
}

bool yEventScript::Parse(const std::string& text, std::vector<yScriptEvent>& out, std::string& error)
{
    return ParseNamed(text, "the event script", out, error);
}

bool yEventScript::ParseNamed(const std::string& text, const std::string& name,
                              std::vector<yScriptEvent>& out, std::string& error)
{
    out.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line))
    {
        ++number;
        std::vector<std::string> words;
        std::string why;
        yScriptEvent event;
        event.line = number;
        if (Words(line, words, why) && (words.empty() || yLineParser(words, event).Parse(why)))
        {
            if (!words.empty()) out.push_back(event);
            continue;
        }
        error = "Line " + std::to_string(number) + " of " + name + " is malformed: " + why + ".";
        out.clear();
        return false;
    }
    return true;
}

bool yEventScript::Read(const std::string& path, std::vector<yScriptEvent>& out, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "Cannot read the event script " + path + ": " + std::strerror(errno) + ".";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return ParseNamed(text.str(), "the event script " + path, out, error);
}
} // namespace yStandalone
