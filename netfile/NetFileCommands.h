#pragma once
// The steps of Load and Save that need no window: the file dialogs and the network folder
// that follows a load.
#include <QString>
#include <optional>

class Prompts;

// The save dialog proposing `fileName` in `folder` (the current working folder while that
// is empty); the chosen file made absolute against that folder.
std::optional<QString> ChooseSaveFile(Prompts& prompts, const QString& folder, const QString& fileName);

// The open dialog listing "*.net" in NetworkDataPath; the chosen file made absolute.
std::optional<QString> ChooseNetFile(Prompts& prompts);

// A file chosen in another folder than NetworkDataPath (compared as this platform compares
// paths, a trailing separator aside) makes that folder NetworkDataPath and writes it to
// Net.ini. A Net.ini that cannot be written is reported and the load goes on.
void FollowNetworkFolder(const QString& path, Prompts& prompts);
