#include "support/temp_folder.h"

#include <QDir>

TempFolder::TempFolder() : dir_(QDir::tempPath() + QStringLiteral("/vetdocs-test-XXXXXX")) {}
