#pragma once

#include <QColor>
#include <QString>

// Colours of the layout tables as text: a colour name ("clRed", any letter case), "$" with
// hexadecimal digits or plain decimal digits, the number being 00BBGGRR. System colour names stand
// for the desktop's palette; "clNone" is no colour at all.
namespace ColorText {

// Throws TicketError for a text that is neither a name nor a number.
QColor parse(const QString& text);
// The colour's name when it has one of the sixteen fixed ones, else "$00BBGGRR" in upper case.
QString format(const QColor& color);

} // namespace ColorText

// Font style flags: four characters for bold, italic, underline, strike-out; "1" switches one on.
struct FontStyle
{
    bool bold = false, italic = false, underline = false, strikeOut = false;
    static FontStyle parse(const QString& flags);
};
