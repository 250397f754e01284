#pragma once

#include <QStringList>

// Opens every help topic in the folder as the help window does and follows
// its links to other topics: each must open a topic with a title and, when
// it names an anchor, reach that anchor. Returns the faults, one per line.
QStringList checkHelpLinks(const QString& folder);
