// A drawing pass on a port for the life of a scope: the constructor begins
// the pass, the destructor closes it on every way out of the scope, early
// returns included.
#pragma once

#include "draw/yDrawPort.h"

class yDrawingScope
{
public:
    // How the scope closes the pass.
    enum Close
    {
        // Ends the pass only when this scope began it: a caller's pass goes on.
        kEndOwnPass,
        // As kEndOwnPass, and a caller's pass that something inside the scope
        // ended (compositing into the port does) is begun again.
        kRestorePass,
        // Ends the pass whoever began it.
        kEndPass,
    };

    explicit yDrawingScope(yDrawPort& port, Close close = kEndOwnPass)
        : m_port(port), m_close(close), m_wasDrawing(port.IsDrawing())
    {
        m_port.BeginDrawing();
    }

    ~yDrawingScope()
    {
        if (m_close == kEndPass || !m_wasDrawing)
            m_port.EndDrawing();
        else if (m_close == kRestorePass)
            m_port.BeginDrawing();
    }

    yDrawingScope(yDrawingScope const&) = delete;
    yDrawingScope& operator=(yDrawingScope const&) = delete;

private:
    yDrawPort& m_port;
    Close m_close;
    bool m_wasDrawing;
};
