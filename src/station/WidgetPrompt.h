#pragma once

#include "Prompt.h"

// Message boxes over the active window.
class WidgetPrompt : public Prompt
{
public:
    void message(const QString& text) override;
    void error(const QString& text) override;
    bool confirm(const QString& text) override;
};
