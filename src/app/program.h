#pragma once
// The program's start and stop, apart from main() so tests can run the whole
// program many times over fresh folders.

#include <QString>

class TForm1;

// Creates the ten windows in their fixed order, TForm1 first, and shows the
// main window. The caller owns the application object and the event loop.
TForm1 *startProgram(const QString &executablePath);

// Destroys the windows and puts every shared state back to its start value.
void stopProgram();

// Sets the application-wide font and look of the program's windows.
void setUpApplicationLook();
