#pragma once

#include <QString>

/// The file a name leads to through its links, found as Qt's save file finds it: a save of that
/// name replaces that file, and the links stay links. The name itself where the links go on
/// past a depth no save follows.
QString finalFile(const QString &fileName);
