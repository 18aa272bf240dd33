#pragma once

#include <QString>

/// The file a name leads to through its links, as the system finds it: each link's target read
/// from the folder the link is in, that folder as the system reaches it (links and ".." followed
/// in order, never ".." taken off as text). Spelled as that folder's own path and the final
/// name, so a save of the name replaces that file, makes its temporary file beside it, and
/// leaves the links as they are. The name itself where its folder is not there, or where the
/// links go on past a depth no save follows.
QString finalFile(const QString &fileName);
