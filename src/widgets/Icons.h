#pragma once

#include <QIcon>

// The pictures of the station's picture buttons, drawn so that they scale to any size.
namespace Icons {

enum class Kind
{
    Company,
    Product,
    Vehicle,
    Reset,
    FirstWeighing,
    SecondWeighing,
    SingleWeighing,
    Zero,
    Evaluation,
    Delete
};

QIcon icon(Kind kind);

} // namespace Icons
