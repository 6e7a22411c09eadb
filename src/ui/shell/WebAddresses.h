#pragma once

#include <QString>

// The product's web pages, opened in the default browser.
namespace WebAddresses {

inline QString productSite()
{
    return QStringLiteral("https://vornish.example/");
}
inline QString contributionPage()
{
    return QStringLiteral("https://vornish.example/contribute");
}
inline QString makerPage()
{
    return QStringLiteral("https://vornish.example/maker");
}

} // namespace WebAddresses
