#pragma once
// "Net.ini" in the program's folder: the data folders, the scale and the window geometry.
#include <QString>

struct WindowGeometry {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

QString SettingsPath();

// At the main window's creation: reads the four folders and Scale, or writes the six
// first-start lines when the file does not exist. Raises EInOutError when it cannot be made.
void ReadSettingsAtCreation();

// At the main window's first show: the saved position and size, with `current` giving the
// defaults of Left and Top, 960 and 720 those of Width and Height.
WindowGeometry ReadWindowPosition(const WindowGeometry& current);

// At the program's end: the window geometry to [Position] and Scale to [Canvas].
void WriteSettingsAtEnd(const WindowGeometry& geometry);

// After a load from another folder: the new network folder.
void WriteNetworkFolder(const QString& folder);
