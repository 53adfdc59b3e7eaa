// Event scripts: what a user does to the panel, one event a line, replayed by
// the host before its final render and draw. "#" starts a comment.
//
//   move X Y | down X Y [ctrl] [alt] [shift] | drag X Y | up X Y
//   key CODE [ctrl] [alt] [shift]      CODE: a number or one character
//   draw | render | wait MS | resize W H
//   set PARAM VALUE                    PARAM by its shown name; a name or value
//                                      with blanks is written in double quotes,
//                                      or the last word is the value
//   pick R G B | pick cancel           the colour chooser's next answer
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace yStandalone
{
struct yScriptEvent
{
    // The Effect Controls window a resize may ask for: wide enough for the
    // host's margin beside the controls.
    static constexpr int kMinWindowWidth = 40;
    static constexpr int kMaxWindowSide = 8192;

    enum Kind
    {
        Move,
        Down,
        Drag,
        Up,
        Key,
        Draw,
        Render,
        Wait,
        Set,
        Resize,
        Pick,
    };

    Kind kind = Draw;
    int line = 0;           // in the script, from 1
    int x = 0, y = 0;       // panel pixels (move, down, drag, up); width and height (resize)
    uint32_t modifiers = 0; // ZT_Modifier_ bits (down, key)
    uint32_t code = 0;      // key
    uint32_t milliseconds = 0;
    std::string param, value; // set
    bool cancel = false;      // pick
    uint8_t red = 0, green = 0, blue = 0;
};

class yEventScript
{
  public:
    // On failure returns false; error names the line and what is wrong with it.
    static bool Parse(const std::string& text, std::vector<yScriptEvent>& out, std::string& error);
    static bool Read(const std::string& path, std::vector<yScriptEvent>& out, std::string& error);
    // One line for each verb the parser takes: its form and what it does.
    static std::string VerbHelp();
    // A line of help: the verb and its form in a column, then what it does.
    static std::string HelpLine(const char* name, const char* form, const char* about);

  private:
    static bool ParseNamed(const std::string& text, const std::string& name, std::vector<yScriptEvent>& out,
                           std::string& error);
};
} // namespace yStandalone
