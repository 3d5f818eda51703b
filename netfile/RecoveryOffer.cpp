#include "netfile/RecoveryOffer.h"

#include <QFile>
#include <QFileInfo>

#include "netfile/NetReader.h"
#include "platform/Errors.h"
#include "platform/Prompts.h"

namespace {

// Told one by one up to this many; the rest in one line.
constexpr int ToldOneByOne = 3;

QString SetAsideText(const TStaleCopy& copy, const QString& reason, const QString& aside) {
  return QStringLiteral("%1, and its recovery copy cannot be restored:\n%2\nThe copy was moved to \"%3\".")
      .arg(UnsavedNetText(copy), reason, aside);
}

QString OlderCopiesText(int older) {
  const QString copies = older == 1 ? QStringLiteral("1 older recovery copy waits") :
                                      QStringLiteral("%1 older recovery copies wait").arg(older);
  return QStringLiteral("\n\n%1 as well. Yes restores this net and keeps the older %2 for the next start; No "
                        "discards all %3 copies; Cancel keeps them all.")
      .arg(copies, older == 1 ? QStringLiteral("copy") : QStringLiteral("ones"))
      .arg(older + 1);
}

}  // namespace

QString WhyNotRestorable(const TStaleCopy& copy) {
  try {
    const std::unique_ptr<QFile> file = OpenNetFile(copy.CopyPath);
    if (file->size() == 0) return QStringLiteral("The file \"%1\" is empty.").arg(copy.CopyPath);
    ReadNetAside(*file);
    return QString();
  } catch (const RuntimeError& error) {
    return error.Message();
  }
}

TRecoveryOffer PlanRecoveryOffer(std::vector<TStaleCopy>& copies) {
  TRecoveryOffer offer;
  QStringList told;
  int setAside = 0;
  QString lastAside;
  while (!copies.empty()) {
    const QString reason = WhyNotRestorable(copies.front());
    if (reason.isEmpty()) break;
    lastAside = SetStaleCopyAside(copies.front());
    if (++setAside <= ToldOneByOne) told << SetAsideText(copies.front(), reason, lastAside);
    copies.erase(copies.begin());
  }
  if (setAside > ToldOneByOne) {
    told << QStringLiteral("%1 more recovery copies cannot be restored either and were moved to \"%2\".")
                .arg(setAside - ToldOneByOne)
                .arg(QFileInfo(lastAside).path());
  }
  offer.SetAside = told.join(QStringLiteral("\n\n"));
  if (copies.empty()) return offer;
  offer.Copy = &copies.front();
  offer.Older = int(copies.size()) - 1;
  offer.Question = RecoveryQuestion(*offer.Copy);
  if (offer.Older > 0) offer.Question += OlderCopiesText(offer.Older);
  return offer;
}

TRecoveryChoice AskRecoveryOffer(Prompts& prompts, const TRecoveryOffer& offer) {
  const Answer answer = offer.Older > 0 ? prompts.AskYesNoCancel(offer.Question) : prompts.AskYesNo(offer.Question);
  switch (answer) {
    case Answer::Yes: return TRecoveryChoice::Restore;
    case Answer::No: return TRecoveryChoice::DiscardAll;
    default: return TRecoveryChoice::KeepAll;
  }
}

void DiscardStaleCopies(std::vector<TStaleCopy>& copies) {
  for (TStaleCopy& copy : copies) DiscardStaleCopy(copy);
}
