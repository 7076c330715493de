#include "support/DropPrivileges.h"

#include <grp.h>
#include <unistd.h>

bool DropToNobody() {
  constexpr unsigned kNobody = 65534;
  return ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
         ::setresuid(kNobody, kNobody, kNobody) == 0;
}
