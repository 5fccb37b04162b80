#include "GermanText.h"

#include <cmath>
#include <QLocale>

namespace GermanText {

QString number(double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString generalNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0"); // no "-0"
    return QString::number(value, 'g', 15);
}

std::optional<double> parseNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    double v = t.toDouble(&ok); // QString::toDouble always uses the C locale
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString dateTime(const QDateTime& value)
{
    if (!value.isValid())
        return {};
    if (value.time() == QTime(0, 0))
        return value.toString(QStringLiteral("dd.MM.yyyy"));
    return value.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString sqlDateTime(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QDateTime parseSqlDateTime(const QString& text)
{
    QDateTime dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!dt.isValid())
        dt = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return dt;
}

} // namespace GermanText
