#include "document/RecentNets.h"

#include "model/Settings.h"
#include "platform/ProfileFile.h"

namespace {

const QString Section = QStringLiteral("Recent");

QString KeyOf(int place) { return QStringLiteral("File%1").arg(place); }

}  // namespace

QStringList ReadRecentNets() {
  const ProfileFile ini(SettingsPath());
  QStringList paths;
  for (int place = 1; place <= RecentNetsKept; ++place) {
    const QString path = ini.ReadString(Section, KeyOf(place), QString());
    if (!path.isEmpty() && !paths.contains(path)) paths.append(path);
  }
  return paths;
}

void RememberRecentNet(const QString& path) {
  QStringList paths = ReadRecentNets();
  paths.removeAll(path);
  paths.prepend(path);
  const ProfileFile ini(SettingsPath());
  // Every key is written, the unused ones empty, so a shorter list leaves no stale entry;
  // a place beyond the list reads as empty, never past its end.
  for (int place = 1; place <= RecentNetsKept; ++place)
    ini.WriteString(Section, KeyOf(place), paths.value(place - 1));
}
