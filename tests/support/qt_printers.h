// GoogleTest prints Qt strings as their text, so a failed comparison shows what differed.
#pragma once

#include <QString>

#include <ostream>

// Found by argument-dependent lookup in QString's own (global) namespace.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
