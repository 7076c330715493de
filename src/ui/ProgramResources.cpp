#include "ui/ProgramResources.h"

#include <QtGlobal>

void InitProgramResources() {
  Q_INIT_RESOURCE(ferrovane);
}
