#pragma once
// The steps of Load, Save and New that need no window: the save question, the file
// dialogs, the network folder that follows a load, the file name and the caption.
#include <QString>
#include <functional>
#include <optional>

class Prompts;

inline constexpr const char* LoadQuestion = "Do you load an another net without saving the current net ?";
inline constexpr const char* NewQuestion = "Do you make a new NET without saving the current net ?";

// While the net is edited, asks `question` with Yes, No and Cancel; false on Cancel. Yes
// runs `save` first, and the command goes on even when its dialog was cancelled; a save
// that fails raises its error, which ends the command with the net still edited.
bool AskToSaveFirst(Prompts& prompts, const QString& question, const std::function<void()>& save);

// The save dialog proposing NetFileName in NetworkDataPath (the current working folder
// while that is empty); the chosen file made absolute against that folder.
std::optional<QString> ChooseSaveFile(Prompts& prompts);

// The open dialog listing "*.net" in the same folder; the chosen file made absolute.
std::optional<QString> ChooseNetFile(Prompts& prompts);

// A file chosen in another folder than NetworkDataPath (compared as this platform compares
// paths, a trailing separator aside) makes that folder NetworkDataPath and writes it to
// Net.ini. A Net.ini that cannot be written is reported and the load goes on.
void FollowNetworkFolder(const QString& path, Prompts& prompts);

// NetFileName becomes the file-name part of the path.
void TakeNetFileName(const QString& path);

// The main window's caption for a net file.
QString NetCaption(const QString& path);
