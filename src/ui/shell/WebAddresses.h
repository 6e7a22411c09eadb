#pragma once

#include <QString>

// The product's contribution page, opened in the default browser by the
// contribution reminder.
namespace WebAddresses {

inline QString contributionPage()
{
    return QStringLiteral("https://vornish.example/contribute");
}

} // namespace WebAddresses
