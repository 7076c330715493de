#pragma once
// Lets a test's child process go on as an ordinary user, to see what the program does without
// the administrator's privileges. Only ever called in a child that exits afterwards.

// Becomes the user "nobody" (65534) with no supplementary groups; false when that fails.
bool DropToNobody();
