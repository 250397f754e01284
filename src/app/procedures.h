#pragma once

#include <QString>
#include <functional>

// The window procedures the frame starts by name ("BrowseBD", "BrowseFormf2",
// "Rep_data", "BrowseNastr", "Zast"). Each start function makes its own window
// context and opens its window; the frame never waits for it.
void registerProcedure(const QString& name, std::function<void()> start);
bool isProcedureRegistered(const QString& name);
// False when no procedure of that name is registered.
bool startProcedure(const QString& name);

// Registers every window procedure the program has.
void registerAllProcedures();
