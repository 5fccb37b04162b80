#pragma once

#include <QString>

// Message boxes and confirmations go through here, so that tests can answer them. The station
// installs the widget implementation; a program without one gets silent defaults.
class Prompt
{
public:
    virtual ~Prompt() = default;
    // A plain message box with OK.
    virtual void message(const QString& text) = 0;
    // An error that escaped a handler: shown with the error symbol.
    virtual void error(const QString& text) = 0;
    // A question with the error symbol and the buttons OK and Cancel; true only for OK.
    virtual bool confirm(const QString& text) = 0;

    static Prompt& instance();
    // Installs p (not owned); nullptr restores the default that answers Cancel and shows nothing.
    static void install(Prompt* p);
};
