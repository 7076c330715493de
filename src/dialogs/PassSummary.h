#pragma once
// What a pass writes, said in a few words for the pass list of the method editor: "Bytes 0x55",
// "Random bytes", "Random bytes 0x20-0x7E", "One random byte value", "Text 'x'". A pass that is
// read back says so.

#include <QString>

class TPass;

QString PassSummary(const TPass& pass);
