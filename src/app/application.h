#pragma once

#include <QString>

namespace tabula {

class MainWindow;

// Makes the program's resources (icon, bitmaps, help pages) available; the library holds them.
void InitResources();

// Opens the file named on the command line as File > Open opens a chosen one, except that
// `Last File` is only read.
void LoadStartupFile(MainWindow& window, const QString& path);

// The whole program: settings under "Tabula" and the executable's name, the main window, the
// command-line file, the event loop. "--version" and "--help" as the first argument are
// answered on standard output before any window or display is needed.
int RunTabula(int argc, char** argv);

}  // namespace tabula
