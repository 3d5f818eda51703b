#include "netfile/NetFragment.h"

#include <QBuffer>
#include <QDate>

#include "netfile/NetReader.h"
#include "netfile/NetWriter.h"

namespace {

bool HoldsSection(const QByteArray& text) {
  for (const char* header : {"[ZEP]", "[InData]", "[OutData]", "[Label]", "[Dot]"})
    if (text.startsWith(header) || text.contains(QByteArray("\n") + header)) return true;
  return false;
}

}  // namespace

QByteArray NetFragmentText(const TNetTables& part) {
  // The writer writes the tables in use; the net in use steps aside while it runs.
  const auto kept = std::make_unique<TNetTables>(NetTables);
  NetTables = part;
  QByteArray text;
  try {
    text = NetFileText(QDate::currentDate());
  } catch (...) {
    NetTables = *kept;
    throw;
  }
  NetTables = *kept;
  return text;
}

std::unique_ptr<TNetTables> ReadNetFragment(const QByteArray& text) {
  if (!HoldsSection(text)) return nullptr;
  QByteArray bytes = text;
  QBuffer in(&bytes);
  in.open(QIODevice::ReadOnly);
  const auto kept = std::make_unique<TNetTables>(NetTables);
  TCapacityCuts cuts;
  try {
    ReadNet(in, cuts);
  } catch (...) {
    NetTables = *kept;
    throw;
  }
  auto part = std::make_unique<TNetTables>(NetTables);
  NetTables = *kept;
  return part;
}
