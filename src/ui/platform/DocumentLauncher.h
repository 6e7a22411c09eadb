#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace modVnPublic {

// System result codes of opening a document: above 32 is success.
constexpr int LaunchOk = 33;
constexpr int LaunchFileNotFound = 2;
constexpr int LaunchNoAssociation = 31;

// Opens a file or web address with the system's default application and
// reports its own failures ("Browser Unavailable"). Returns the system's
// result code; callers may ignore it.
short LaunchDocument(QWidget *owner, const QString &document, short showMode);

// The opener behind LaunchDocument; tests replace it. It returns a result
// code as above.
using DocumentOpener = std::function<int(const QString &document)>;
void SetDocumentOpener(DocumentOpener opener);

} // namespace modVnPublic
