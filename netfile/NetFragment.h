#pragma once
// Part of a net as ".net" text, as the clipboard carries it between programs.
#include <QByteArray>
#include <memory>

#include "model/NetDef.h"

// The text of a net held aside: the whole file a save of it would write.
QByteArray NetFragmentText(const TNetTables& part);

// The net a text holds, as the reader leaves it: names and positions, links not resolved.
// Null when the text has no section of a net (any text someone copied). Raises what the
// reader raises on a broken net; the tables in use stay as they were in every case.
std::unique_ptr<TNetTables> ReadNetFragment(const QByteArray& text);
