#pragma once
// Every change of the net ends in NetChanged: one rule sets Edited, and one signal tells
// whoever listens (canvas, menus, undo history, recovery copy, net checks) what happened.
#include <QObject>
#include <QString>

enum class NetChangeKind {
  Place,       // an element placed or dragged with the pointer
  Append,      // an element appended from the menu
  Delete,      // one Delete command, with every element it deleted
  Properties,  // the properties dialog's "Save and Exit", the ZEP move included
  NameAdd,     // function names added to a list, one name or a list file
  NameDelete,  // a function name deleted
  History,     // an undo or redo put the tables back to another state
  Routes,      // the routes laid again from the net as it stands: derived, not edited work
  New,         // a new net replaced the old one
  Load,        // a net read from a file replaced the old one
};

struct NetChange {
  NetChangeKind Kind = NetChangeKind::Place;
  // Names the step for the history, e.g. "Move ZEP Add1", "Delete Input In3".
  QString Caption;
};

// True for the changes that put a whole other net in place (a fresh history starts).
bool ReplacesNet(NetChangeKind kind);

class NetEvents : public QObject {
  Q_OBJECT
public:
  static NetEvents& Instance();

signals:
  // Before a whole other net or a state from the history takes the tables' place: an edit
  // of the net that is about to go ends here, without writing.
  void Replacing(NetChangeKind kind);
  // After the tables changed and Edited was set.
  void Changed(const NetChange& change);
  // After the net was written to its file: the tables are now the saved state.
  void Saved();
};

// Called before Load, New or an undo or redo puts other tables in place.
void NetAboutToBeReplaced(NetChangeKind kind);

// Records a change of the net. Load and New clear Edited and Picked, an undo or redo leaves
// Edited as the history set it, and so do routes laid again; every other change sets it;
// then the listeners hear of it.
void NetChanged(NetChangeKind kind, const QString& caption = QString());

// The net was saved: Edited is cleared and the listeners hear of it.
void NetSaved();
