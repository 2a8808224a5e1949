#pragma once

#include <QString>

// Qt-side set-up that every use of the framework needs, safe to run more
// than once: Qt writes no settings anywhere (its file dialog would
// otherwise keep its history in the user's configuration folder).
void PreventSettingsFiles();

// The executable's file name without folder and extension.
QString ExecutableBaseName();
