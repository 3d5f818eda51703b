#include "model/NetChange.h"

#include "model/NetDef.h"

bool ReplacesNet(NetChangeKind kind) {
  return kind == NetChangeKind::New || kind == NetChangeKind::Load;
}

NetEvents& NetEvents::Instance() {
  static NetEvents events;
  return events;
}

void NetAboutToBeReplaced(NetChangeKind kind) { emit NetEvents::Instance().Replacing(kind); }

void NetChanged(NetChangeKind kind, const QString& caption) {
  if (ReplacesNet(kind)) {
    Edited = false;
    Picked = false;
  } else if (kind != NetChangeKind::History && kind != NetChangeKind::Routes)
    Edited = true;
  emit NetEvents::Instance().Changed({kind, caption});
}

void NetSaved() {
  Edited = false;
  emit NetEvents::Instance().Saved();
}
