#include "ColorText.h"

#include "TicketError.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

struct Named
{
    const char* name;
    quint32 value; // 00BBGGRR
};

const Named Fixed[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},   {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
};

const char* const System[] = {
    "clScrollBar",    "clBackground",     "clActiveCaption", "clInactiveCaption", "clMenu",
    "clWindow",       "clWindowFrame",    "clMenuText",      "clWindowText",      "clCaptionText",
    "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",  "clHighlight",       "clHighlightText",
    "clBtnFace",      "clBtnShadow",      "clGrayText",      "clBtnText",         "clInactiveCaptionText",
    "clBtnHighlight", "cl3DDkShadow",     "cl3DLight",       "clInfoText",        "clInfoBk"};

constexpr quint32 SystemBase = 0x80000000u;
constexpr quint32 None = 0x1FFFFFFFu;

QColor systemColor(quint32 index)
{
    static const QPalette::ColorRole roles[] = {QPalette::Button,
                                                QPalette::Window,
                                                QPalette::Highlight,
                                                QPalette::Mid,
                                                QPalette::Window,
                                                QPalette::Base,
                                                QPalette::Shadow,
                                                QPalette::WindowText,
                                                QPalette::Text,
                                                QPalette::HighlightedText,
                                                QPalette::Button,
                                                QPalette::Button,
                                                QPalette::Dark,
                                                QPalette::Highlight,
                                                QPalette::HighlightedText,
                                                QPalette::Button,
                                                QPalette::Dark,
                                                QPalette::PlaceholderText,
                                                QPalette::ButtonText,
                                                QPalette::Mid,
                                                QPalette::Light,
                                                QPalette::Shadow,
                                                QPalette::Midlight,
                                                QPalette::ToolTipText,
                                                QPalette::ToolTipBase};
    if (index >= std::size(roles))
        return QColor(Qt::black);
    return QGuiApplication::palette().color(roles[index]);
}

QColor fromValue(quint32 v)
{
    if (v == None)
        return QColor(Qt::transparent);
    if (v & SystemBase)
        return systemColor(v & 0xFF);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

} // namespace

namespace ColorText {

QColor parse(const QString& text)
{
    const QString t = text.trimmed();
    for (const Named& n : Fixed) {
        if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return fromValue(n.value);
    }
    for (quint32 i = 0; i < std::size(System); ++i) {
        if (t.compare(QLatin1String(System[i]), Qt::CaseInsensitive) == 0)
            return systemColor(i);
    }
    if (t.compare(QLatin1String("clNone"), Qt::CaseInsensitive) == 0)
        return fromValue(None);
    bool ok = false;
    quint32 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toUInt(&ok, 16);
    else if (!t.isEmpty() && t.front().isDigit())
        v = t.toUInt(&ok, 10);
    if (!ok)
        throw TicketError(QStringLiteral("\"%1\" ist kein gültiger Farbwert.").arg(text));
    return fromValue(v);
}

QString format(const QColor& c)
{
    const quint32 v = quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
    for (const Named& n : Fixed) {
        if (n.value == v)
            return QString::fromLatin1(n.name);
    }
    return QStringLiteral("$%1").arg(v, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace ColorText

FontStyle FontStyle::parse(const QString& flags)
{
    auto on = [&](int i) { return flags.size() > i && flags[i] == QLatin1Char('1'); };
    return {on(0), on(1), on(2), on(3)};
}
