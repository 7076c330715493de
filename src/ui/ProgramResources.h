#pragma once
// The program's pictures and icons are compiled into the ui library; this makes them known to
// Qt (the linker would otherwise leave them out of a static library).

void InitProgramResources();
