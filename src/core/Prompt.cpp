#include "Prompt.h"

namespace {

class SilentPrompt : public Prompt
{
public:
    void message(const QString&) override {}
    void error(const QString&) override {}
    bool confirm(const QString&) override { return false; }
};

SilentPrompt g_silent;
Prompt* g_current = &g_silent;

} // namespace

Prompt& Prompt::instance()
{
    return *g_current;
}

void Prompt::install(Prompt* p)
{
    g_current = p ? p : &g_silent;
}
