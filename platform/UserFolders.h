#pragma once
// Where a program that keeps its files beside its executable puts them when it cannot write
// there, as when it is installed under /usr/bin. Both give folders with a trailing '/'.
#include <QString>

// `programFolder` while it can be written; otherwise the user's configuration folder for
// this application, made when missing.
QString SettingsFolder(const QString& programFolder);

// The folder that stands in for the program folder as a place for the user's data:
// `programFolder` while it can be written, otherwise the user's home folder.
QString DataFolder(const QString& programFolder);
