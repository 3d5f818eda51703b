// libFuzzer target: the ".net" reader on any bytes, painting and checking what it read, with
// the save and reload round trip.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/RoundTripCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QString problem = roundtrip::CheckRoundTrip(bytes);
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "round trip failed:\n%s\n", problem.toLocal8Bit().constData());
    std::abort();
  }
  return 0;
}
