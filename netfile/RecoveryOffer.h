#pragma once
// What a start offers from the recovery copies that programs which are gone left: one
// question for the newest copy that can be restored, naming how many older ones wait, so
// that many crashes never become many questions. Copies that cannot be restored are told
// once, with the reason, and moved aside.
#include <QString>
#include <vector>

#include "netfile/RecoveryCopy.h"

class Prompts;

struct TRecoveryOffer {
  // The copy to offer, the first of the copies; null when none can be restored.
  TStaleCopy* Copy = nullptr;
  // The copies older than it, waiting as well.
  int Older = 0;
  QString Question;
  // What the user is told about the copies that cannot be restored and were moved aside;
  // empty when there were none.
  QString SetAside;
};

// Why a copy cannot be restored (the reader's error); empty when it can.
QString WhyNotRestorable(const TStaleCopy& copy);

// From the claimed copies, newest first: the newer ones that cannot be restored are moved
// aside and leave `copies`; the newest that can is offered.
TRecoveryOffer PlanRecoveryOffer(std::vector<TStaleCopy>& copies);

enum class TRecoveryChoice { Restore, DiscardAll, KeepAll };

// Asks the offer's question: Yes and No alone for a single copy (Yes restores it, No
// discards it); with older copies also Cancel, and the question says what each answer does:
// Yes restores the newest and keeps the older ones for the next start, No discards them
// all, Cancel keeps them all.
TRecoveryChoice AskRecoveryOffer(Prompts& prompts, const TRecoveryOffer& offer);

// Deletes every copy with its lock.
void DiscardStaleCopies(std::vector<TStaleCopy>& copies);
